#include "ui/catalogue/SpecPlant.h"

#include "db/ShowErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/CatalogueText.h"
#include "catalogue/Habitats.h"
#include "catalogue/PackedField.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SpecPlant::SpecPlant(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, QWidget* parent)
    : QWidget(parent), doc_(doc), prompter_(prompter), taxon_(taxon) {
    catalogue::openPlantCard(doc_, taxon_);
    const db::Plants& card = *doc_.plantCards;
    pieces_ = catalogue::unpack(card.m_Keep_cond, catalogue::kPlantKeepFields);
    const std::string substrat = card.m_Substrat;
    keep_.resize(catalogue::kPlantKeepFields, nullptr);

    auto* grid = new QGridLayout(this);
    habitats_ = new HabitatGroup(
        doc, prompter, catalogue::plantHabitats(doc, taxon),
        [this](const std::vector<std::string>& names) { catalogue::writePlantHabitats(doc_, taxon_, names); }, this);
    connect(habitats_, &HabitatGroup::habitatsChanged, this, &SpecPlant::habitatsChanged);
    grid->addWidget(habitats_, 0, 0, 1, 2);

    auto* keeping = new QGroupBox(tr("Keeping conditions"), this);
    auto* keepForm = new QFormLayout(keeping);
    keepForm->addRow(QStringLiteral("t,°C(F)="), keepPiece(catalogue::kPlantTemperature));
    keepForm->addRow(QStringLiteral("pH="), keepPiece(catalogue::kPlantPH));
    keepForm->addRow(QStringLiteral("dGh="), keepPiece(catalogue::kPlantGh));
    keepForm->addRow(QStringLiteral("dKh="), keepPiece(catalogue::kPlantKh));
    keepForm->addRow(tr("humidity, %="), keepPiece(catalogue::kPlantHumidity));
    keepForm->addRow(tr("lighting, lk="), keepPiece(catalogue::kPlantLighting));
    keepForm->addRow(tr("saltiness, ‰="), keepPiece(catalogue::kPlantSaltiness));
    substrat_ = new QLineEdit(q(substrat), keeping);
    keepForm->addRow(tr("substrat"), substrat_);
    connect(substrat_, &QLineEdit::textEdited, this, [this](const QString& t) {
        db::showingDbErrors(prompter_, [&] { catalogue::writePlantSubstrat(doc_, taxon_, t.toStdString()); });
    });
    grid->addWidget(keeping, 1, 0, 3, 1);

    auto* terms = new QFormLayout;
    terms->addRow(tr("flowering term, days"), number(catalogue::PlantNumber::FlowTerm));
    terms->addRow(tr("sprouts hatch, % from seeds"), number(catalogue::PlantNumber::SeedPercent));
    season_ = new QComboBox(this);
    for (const std::string& s : catalogue::seasonNames()) season_->addItem(q(s));
    const int stored = doc_.plantCards->m_Season;
    season_->setCurrentIndex(stored >= 0 && stored < season_->count() ? stored : -1);
    connect(season_, &QComboBox::activated, this, [this](int i) {
        db::showingDbErrors(prompter_, [&] { catalogue::writePlantNumber(doc_, taxon_, catalogue::PlantNumber::Season, std::to_string(i)); });
    });
    terms->addRow(tr("season of reproduction:"), season_);
    grid->addLayout(terms, 1, 1);

    auto* posterity = new QGroupBox(tr("Posterity"), this);
    auto* postForm = new QFormLayout(posterity);
    postForm->addRow(tr("number of seeds"), keepPiece(catalogue::kPlantSeeds));
    postForm->addRow(tr("sprouting term, days"), number(catalogue::PlantNumber::SeedTerm));
    grid->addWidget(posterity, 2, 1);

    auto* reproduction = new QGroupBox(tr("Reproduction"), this);
    auto* methods = new QVBoxLayout(reproduction);
    methods->addWidget(new QLabel(tr("methods:"), reproduction));
    const std::vector<bool> checked = catalogue::unpackMethods(card.m_Keep_cond);
    for (std::size_t i = 0; i < catalogue::plantMethods().size(); ++i) {
        auto* box = new QCheckBox(tr(catalogue::plantMethods()[i].c_str()), reproduction);
        box->setChecked(checked[i]);
        connect(box, &QCheckBox::clicked, this, &SpecPlant::storeMethods);
        methods_.push_back(box);
        methods->addWidget(box);
    }
    grid->addWidget(reproduction, 3, 1);
}

QLineEdit* SpecPlant::keepPiece(int piece) {
    auto* edit = new QLineEdit(q(pieces_[static_cast<std::size_t>(piece)]), this);
    keep_[static_cast<std::size_t>(piece)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, piece](const QString& t) {
        db::showingDbErrors(prompter_, [&] { catalogue::writePlantKeep(doc_, taxon_, piece, t.toStdString()); });
    });
    return edit;
}

QLineEdit* SpecPlant::number(catalogue::PlantNumber field) {
    auto* edit = new QLineEdit(QString::number(catalogue::plantNumber(*doc_.plantCards, field)), this);
    numbers_.emplace_back(field, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& t) {
        db::showingDbErrors(prompter_, [&] { catalogue::writePlantNumber(doc_, taxon_, field, t.toStdString()); });
    });
    return edit;
}

QLineEdit* SpecPlant::numberEdit(catalogue::PlantNumber field) const {
    for (auto& [f, edit] : numbers_)
        if (f == field) return edit;
    return nullptr;
}

void SpecPlant::storeMethods() {
    std::vector<bool> checked;
    for (QCheckBox* box : methods_) checked.push_back(box->isChecked());
    db::showingDbErrors(prompter_, [&] { catalogue::writePlantMethods(doc_, taxon_, checked); });
}
