#include "ui/farm/Plandial.h"

#include "ui/farm/DialogParts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "farm/ArchivePeriod.h"

using farm::parts::button;

Plandial::Plandial(QWidget* parent, db::CFishesDoc& doc, Mode mode, Reports reports, const std::string& title)
    : QDialog(parent), mode_(mode) {
    setWindowTitle(tr(title.c_str()));
    list_ = new QListWidget(this);
    list_->setObjectName("list");
    if (mode == Plan) {
        for (const std::string& line : farm::spawningPlan(doc, farm::today()))
            list_->addItem(QString::fromStdString(line));
    } else {
        species_ = farm::farmSpecies(doc, mode == LivingSpecies ? farm::SpeciesChoice::Living : farm::SpeciesChoice::All);
        for (const auto& s : species_) list_->addItem(QString::fromStdString(s.name));
    }

    auto* ok = button(this, "ok", tr("OK"));
    ok->setDefault(true);
    auto* view = button(this, "view", tr("View"));
    auto* statistic = button(this, "statistic", tr("Statistic"));
    auto* cancel = button(this, "cancel", tr("Cancel"));
    bool chooser = mode != Plan;
    view->setEnabled(chooser && static_cast<bool>(reports.view));
    statistic->setEnabled(chooser && static_cast<bool>(reports.statistic));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(view);
    buttons->addWidget(statistic);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(480, 320);

    connect(ok, &QPushButton::clicked, this, &Plandial::accept);
    connect(cancel, &QPushButton::clicked, this, &Plandial::reject);
    connect(view, &QPushButton::clicked, this, [this, r = reports.view] {
        if (auto taxon = selectedSpecies()) {
            chosen_ = taxon;
            r(*taxon);
        }
    });
    connect(statistic, &QPushButton::clicked, this, [this, r = reports.statistic] {
        if (auto taxon = selectedSpecies()) r(*taxon);
    });
}

std::optional<int> Plandial::selectedSpecies() const {
    int row = list_->currentRow();
    if (mode_ == Plan || row < 0 || row >= static_cast<int>(species_.size())) return std::nullopt;
    return species_[static_cast<std::size_t>(row)].taxon;
}

void Plandial::accept() {
    chosen_ = selectedSpecies();
    QDialog::accept();
}

void Plandial::showPlan(QWidget* parent, db::CFishesDoc& doc) {
    Plandial dlg(parent, doc, Plan);
    dlg.exec();
}

std::optional<int> Plandial::chooseSpecies(QWidget* parent, db::CFishesDoc& doc, Mode mode, Reports reports) {
    Plandial dlg(parent, doc, mode, std::move(reports));
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.chosenSpecies();
}
