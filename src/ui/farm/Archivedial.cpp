#include "ui/farm/Archivedial.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "farm/ArchivePeriod.h"

Archivedial::Archivedial(QWidget* parent, const std::string& current) : QDialog(parent) {
    setWindowTitle("Archive");
    periods_ = new QListWidget(this);
    periods_->setObjectName("periods");
    const auto& all = farm::archivePeriods();
    for (std::size_t i = 0; i < all.size(); ++i) {
        periods_->addItem(all[i].label);
        if (current == all[i].value) periods_->setCurrentRow(static_cast<int>(i));
    }
    if (periods_->currentRow() < 0) periods_->setCurrentRow(1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Archive by period:", this));
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
