#include "ui/catalogue/TOdial.h"

#include "db/ShowErrors.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TOdial::TOdial(catalogue::TaxonMove& move, platform::Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      move_(move),
      prompter_(prompter),
      levels_(new QListWidget(this)),
      belongs_(new QListWidget(this)),
      names_(new QListWidget(this)),
      all_(new QCheckBox(tr("All"), this)) {
    // The caption comes from the catalogue's logic in English.
    setWindowTitle(q(move.caption()).replace(QStringLiteral("Changing of taxon "), tr("Changing of taxon ")));
    auto* grid = new QGridLayout;
    grid->addWidget(levels_, 1, 0);
    grid->addWidget(new QLabel(tr("belongs to:"), this), 0, 1);
    grid->addWidget(all_, 0, 2);
    grid->addWidget(belongs_, 1, 1);
    grid->addWidget(names_, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(levels_, &QListWidget::currentRowChanged, this, &TOdial::chooseLevel);
    connect(belongs_, &QListWidget::currentRowChanged, this, &TOdial::chooseBelongs);
    connect(names_, &QListWidget::currentRowChanged, this, &TOdial::chooseName);
    connect(all_, &QCheckBox::toggled, this, &TOdial::switchAll);
    showLists();
    resize(620, 320);
}

template <class Change>
void TOdial::change(Change&& c) {
    if (filling_) return;
    db::showingDbErrors(prompter_, c);
}

void TOdial::chooseLevel(int index) {
    change([&] {
        move_.chooseLevel(index);
        showLists();
    });
}

void TOdial::chooseBelongs(int index) {
    change([&] {
        move_.chooseBelongs(index);
        showLists();  // a refused place keeps the one before
    });
}

void TOdial::chooseName(int index) {
    change([&] { move_.chooseCandidate(index); });
}

void TOdial::switchAll(bool all) {
    change([&] {
        move_.setAll(all);
        showNames();
    });
}

void TOdial::showLists() {
    fill(levels_, move_.levelTexts(), move_.levelIndex());
    fill(belongs_, move_.belongsTexts(), move_.belongsIndex());
    showNames();
}

void TOdial::showNames() {
    fill(names_, move_.candidateTexts(), move_.candidateIndex());
    const QSignalBlocker blocker(all_);
    all_->setChecked(move_.all());
}

void TOdial::fill(QListWidget* list, const std::vector<std::string>& texts, int index) {
    filling_ = true;
    list->clear();
    for (const std::string& t : texts) list->addItem(q(t));
    list->setCurrentRow(index);
    filling_ = false;
}

void TOdial::done(int result) {
    change([&] {
        if (result == QDialog::Accepted) move_.accept();
        else move_.cancel();
    });
    QDialog::done(result);
}
