#include "ui/farm/Pricedlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "farm/FieldText.h"
#include "farm/LotNames.h"

namespace {

// The copied card, kept for the whole run.
std::optional<farm::PriceFields>& buffer() {
    static std::optional<farm::PriceFields> copied;
    return copied;
}

}  // namespace

namespace {
// The size classes' names come from the farm's logic in English.
[[maybe_unused]] const char* const kSizeClassNames[] = {
    QT_TRANSLATE_NOOP("Pricedlg", "Fries (F)"), QT_TRANSLATE_NOOP("Pricedlg", "Large fries (FJ)"),
    QT_TRANSLATE_NOOP("Pricedlg", "Juveniles (J)"), QT_TRANSLATE_NOOP("Pricedlg", "Matured juv-s (JA)"),
    QT_TRANSLATE_NOOP("Pricedlg", "Adults (A)")};
}  // namespace

Pricedlg::Pricedlg(QWidget* parent, db::CFishesDoc& doc, platform::Prompter& prompter, int taxon)
    : QDialog(parent), doc_(doc), prompter_(prompter), taxon_(taxon) {
    setWindowTitle(tr("Price for"));
    auto* species = new QLabel(QString::fromStdString(farm::TaxonNames(*doc.taxa).species(taxon)), this);
    species->setObjectName("species");
    QFont bold = species->font();
    bold.setBold(true);
    species->setFont(bold);

    auto* grid = new QGridLayout;
    const char* heads[] = {QT_TR_NOOP("Size, mm"), QT_TR_NOOP("Price, centes"), QT_TR_NOOP("Wholesale, centes")};
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(tr(heads[c]), this), 0, c + 1);
    farm::PriceFields card = farm::readPriceCard(*doc.prices, taxon);
    for (int r = 0; r < 5; ++r) {
        grid->addWidget(new QLabel(tr(farm::sizeClasses()[static_cast<std::size_t>(r)].label), this), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            int i = 3 * r + c;
            auto* f = new QLineEdit(QString::fromStdString(card.text[static_cast<std::size_t>(i)]), this);
            f->setObjectName(QString("field%1").arg(i));
            f->setMaxLength(c == 0 ? 255 : 10);
            grid->addWidget(f, r + 1, c + 1);
            fields_[static_cast<std::size_t>(i)] = f;
        }
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setObjectName("copy");
    auto* pasteButton = new QPushButton(tr("Paste"), this);
    pasteButton->setObjectName("paste");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(pasteButton);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(species);
    all->addLayout(grid);
    all->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Pricedlg::accept);
    connect(cancel, &QPushButton::clicked, this, &Pricedlg::reject);
    connect(copyButton, &QPushButton::clicked, this, &Pricedlg::copy);
    connect(pasteButton, &QPushButton::clicked, this, &Pricedlg::paste);
}

farm::PriceFields Pricedlg::typed() const {
    farm::PriceFields f;
    for (std::size_t i = 0; i < fields_.size(); ++i) f.text[i] = fields_[i]->text().toStdString();
    return f;
}

void Pricedlg::copy() { buffer() = typed(); }

void Pricedlg::paste() {
    if (!buffer()) return;
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(QString::fromStdString(buffer()->text[i]));
}

void Pricedlg::accept() {
    try {
        if (auto wrong = farm::writePriceCard(*doc_.prices, taxon_, typed())) {
            prompter_.tell(farm::numberMessage(farm::kLongMax), platform::MessageKind::Error);
            fields_[static_cast<std::size_t>(*wrong)]->setFocus();
            return;
        }
    } catch (const std::exception& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
        return;
    }
    QDialog::accept();
}

bool Pricedlg::edit(QWidget* parent, db::CFishesDoc& doc, platform::Prompter& prompter, int taxon) {
    Pricedlg dlg(parent, doc, prompter, taxon);
    return dlg.exec() == QDialog::Accepted;
}
