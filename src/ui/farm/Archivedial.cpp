#include "ui/farm/Archivedial.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "farm/ArchivePeriod.h"

namespace {
// The periods' names come from the farm's logic in English.
[[maybe_unused]] const char* const kPeriodNames[] = {
    QT_TRANSLATE_NOOP("Archivedial", "Month"), QT_TRANSLATE_NOOP("Archivedial", "Quarter"),
    QT_TRANSLATE_NOOP("Archivedial", "Year"), QT_TRANSLATE_NOOP("Archivedial", "All period")};
}  // namespace

Archivedial::Archivedial(QWidget* parent, const std::string& current) : QDialog(parent) {
    setWindowTitle(tr("Archive"));
    periods_ = new QListWidget(this);
    periods_->setObjectName("periods");
    const auto& all = farm::archivePeriods();
    for (std::size_t i = 0; i < all.size(); ++i) {
        periods_->addItem(tr(all[i].label));
        if (current == all[i].value) periods_->setCurrentRow(static_cast<int>(i));
    }
    if (periods_->currentRow() < 0) periods_->setCurrentRow(1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Archive by period:"), this));
    layout->addWidget(periods_);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Archivedial::accept);
    connect(cancel, &QPushButton::clicked, this, &Archivedial::reject);
    connect(periods_, &QListWidget::itemDoubleClicked, this, &Archivedial::accept);
    resize(220, 200);
}

std::string Archivedial::period() const {
    int row = periods_->currentRow();
    const auto& all = farm::archivePeriods();
    return row >= 0 && row < static_cast<int>(all.size()) ? all[row].value : "quarter";
}

std::optional<std::string> Archivedial::ask(QWidget* parent, const std::string& current) {
    Archivedial dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.period();
}
