#include "site/SpecPlant.h"

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
    site::openPlantCard(doc_, taxon_);
    const db::Plants& card = *doc_.plantCards;
    pieces_ = catalogue::unpack(card.m_Keep_cond, site::kPlantKeepFields);
    const std::string substrat = card.m_Substrat;
    keep_.resize(site::kPlantKeepFields, nullptr);

    auto* grid = new QGridLayout(this);
    grid->addWidget(buildHabitats(), 0, 0, 1, 2);

    auto* keeping = new QGroupBox(QStringLiteral("Keeping conditions"), this);
    auto* keepForm = new QFormLayout(keeping);
    keepForm->addRow(QStringLiteral("t,°C(F)="), keepPiece(site::kPlantTemperature));
    keepForm->addRow(QStringLiteral("pH="), keepPiece(site::kPlantPH));
    keepForm->addRow(QStringLiteral("dGh="), keepPiece(site::kPlantGh));
    keepForm->addRow(QStringLiteral("dKh="), keepPiece(site::kPlantKh));
    keepForm->addRow(QStringLiteral("humidity, %="), keepPiece(site::kPlantHumidity));
    keepForm->addRow(QStringLiteral("lighting, lk="), keepPiece(site::kPlantLighting));
    keepForm->addRow(QStringLiteral("saltiness, ‰="), keepPiece(site::kPlantSaltiness));
    substrat_ = new QLineEdit(q(substrat), keeping);
    keepForm->addRow(QStringLiteral("substrat"), substrat_);
    connect(substrat_, &QLineEdit::textEdited, this, [this](const QString& t) {
        guarded([&] { site::writePlantSubstrat(doc_, taxon_, t.toStdString()); });
    });
    grid->addWidget(keeping, 1, 0, 3, 1);

    auto* terms = new QFormLayout;
    terms->addRow(QStringLiteral("flowering term, days"), number(site::PlantNumber::FlowTerm));
    terms->addRow(QStringLiteral("sprouts hatch, % from seeds"), number(site::PlantNumber::SeedPercent));
    season_ = new QComboBox(this);
    for (const std::string& s : catalogue::seasonNames()) season_->addItem(q(s));
    const int stored = doc_.plantCards->m_Season;
    season_->setCurrentIndex(stored >= 0 && stored < season_->count() ? stored : -1);
    connect(season_, &QComboBox::activated, this, [this](int i) {
        guarded([&] { site::writePlantNumber(doc_, taxon_, site::PlantNumber::Season, std::to_string(i)); });
    });
    terms->addRow(QStringLiteral("season of reproduction:"), season_);
    grid->addLayout(terms, 1, 1);

    auto* posterity = new QGroupBox(QStringLiteral("Posterity"), this);
    auto* postForm = new QFormLayout(posterity);
    postForm->addRow(QStringLiteral("number of seeds"), keepPiece(site::kPlantSeeds));
    postForm->addRow(QStringLiteral("sprouting term, days"), number(site::PlantNumber::SeedTerm));
    grid->addWidget(posterity, 2, 1);

    auto* reproduction = new QGroupBox(QStringLiteral("Reproduction"), this);
    auto* methods = new QVBoxLayout(reproduction);
    methods->addWidget(new QLabel(QStringLiteral("methods:"), reproduction));
    const std::vector<bool> checked = site::unpackMethods(card.m_Keep_cond);
    for (std::size_t i = 0; i < site::plantMethods().size(); ++i) {
        auto* box = new QCheckBox(q(site::plantMethods()[i]), reproduction);
        box->setChecked(checked[i]);
        connect(box, &QCheckBox::clicked, this, &SpecPlant::storeMethods);
        methods_.push_back(box);
        methods->addWidget(box);
    }
    grid->addWidget(reproduction, 3, 1);
}

void SpecPlant::guarded(const std::function<void()>& write) {
    try {
        write();
    } catch (const db::DbError& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
}

QLineEdit* SpecPlant::keepPiece(int piece) {
    auto* edit = new QLineEdit(q(pieces_[static_cast<std::size_t>(piece)]), this);
    keep_[static_cast<std::size_t>(piece)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, piece](const QString& t) {
        guarded([&] { site::writePlantKeep(doc_, taxon_, piece, t.toStdString()); });
    });
    return edit;
}

QLineEdit* SpecPlant::number(site::PlantNumber field) {
    auto* edit = new QLineEdit(QString::number(site::plantNumber(*doc_.plantCards, field)), this);
    numbers_.emplace_back(field, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& t) {
        guarded([&] { site::writePlantNumber(doc_, taxon_, field, t.toStdString()); });
    });
    return edit;
}

QLineEdit* SpecPlant::numberEdit(site::PlantNumber field) const {
    for (auto& [f, edit] : numbers_)
        if (f == field) return edit;
    return nullptr;
}

void SpecPlant::storeMethods() {
    std::vector<bool> checked;
    for (QCheckBox* box : methods_) checked.push_back(box->isChecked());
    guarded([&] { site::writePlantMethods(doc_, taxon_, checked); });
}

QWidget* SpecPlant::buildHabitats() {
    auto* box = new QGroupBox(QStringLiteral("Natural habitat"), this);
    auto* layout = new QGridLayout(box);
    browse_ = new QListWidget(box);
    chosen_ = new QListWidget(box);
    browse_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    add_ = new QPushButton(QStringLiteral("Add ->"), box);
    remove_ = new QPushButton(QStringLiteral("Remove <-"), box);
    newHabitat_ = new QPushButton(QStringLiteral("New..."), box);
    deleteHabitat_ = new QPushButton(QStringLiteral("Delete..."), box);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add_, remove_, newHabitat_, deleteHabitat_}) buttons->addWidget(b);
    buttons->addStretch();
    layout->addWidget(browse_, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(chosen_, 0, 2);
    browse_->setMaximumHeight(120);
    chosen_->setMaximumHeight(120);
    connect(browse_, &QListWidget::itemDoubleClicked, this, &SpecPlant::openEntry);
    connect(add_, &QPushButton::clicked, this, &SpecPlant::addChosen);
    connect(remove_, &QPushButton::clicked, this, &SpecPlant::removeChosen);
    connect(newHabitat_, &QPushButton::clicked, this, &SpecPlant::newHabitat);
    connect(deleteHabitat_, &QPushButton::clicked, this, &SpecPlant::deleteHabitats);
    for (const std::string& name : site::plantHabitats(doc_, taxon_)) chosen_->addItem(q(name));
    browse(0);
    return box;
}

void SpecPlant::browse(std::int32_t node) {
    node_ = node;
    browse_->clear();
    for (const catalogue::HabitatEntry& e : catalogue::browseHabitats(doc_, node)) {
        auto* item = new QListWidgetItem(q(e.text), browse_);
        item->setData(Qt::UserRole, e.cod);
    }
}

void SpecPlant::openEntry() {
    QListWidgetItem* item = browse_->currentItem();
    if (!item) return;
    guarded([&] {
        if (item->text() == catalogue::kUpEntry) browse(catalogue::habitatParent(doc_, node_));
        else browse(item->data(Qt::UserRole).toInt());
    });
}

void SpecPlant::addChosen() {
    for (QListWidgetItem* item : browse_->selectedItems())
        if (item->text() != catalogue::kUpEntry) chosen_->addItem(q(catalogue::habitatName(item->text().toStdString())));
    storeHabitats();
}

void SpecPlant::removeChosen() {
    for (QListWidgetItem* item : chosen_->selectedItems()) delete item;
    storeHabitats();
}

void SpecPlant::storeHabitats() {
    QStringList names;
    std::vector<std::string> list;
    for (int i = 0; i < chosen_->count(); ++i) {
        names << chosen_->item(i)->text();
        list.push_back(names.back().toStdString());
    }
    guarded([&] { site::writePlantHabitats(doc_, taxon_, list); });
    emit habitatsChanged(names);
}

void SpecPlant::newHabitat() {
    std::string name;
    if (!prompter_.askText("Add new habitat", name) || name.empty()) return;
    guarded([&] {
        catalogue::addHabitat(doc_, name, node_);
        browse(node_);
    });
}

void SpecPlant::deleteHabitats() {
    std::vector<std::string> names;
    for (QListWidgetItem* item : browse_->selectedItems())
        if (item->text() != catalogue::kUpEntry) names.push_back(catalogue::habitatName(item->text().toStdString()));
    if (names.empty() || prompter_.ask("      Are you sure?") != platform::Answer::Yes) return;
    guarded([&] {
        catalogue::deleteHabitats(doc_, node_, names);
        browse(node_);
    });
}
