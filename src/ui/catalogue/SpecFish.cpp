#include "ui/catalogue/SpecFish.h"

#include "db/ShowErrors.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/CatalogueText.h"
#include "ui/catalogue/CStair.h"
#include "ui/catalogue/HabitatGroup.h"
#include "catalogue/Habitats.h"
#include "catalogue/PropertyStair.h"

using namespace catalogue;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const char* const kSharedLabels[] = {"t,°C(F)=", "pH=", "dGh=", "dKh=", QT_TRANSLATE_NOOP("SpecFish", "saltiness, ‰="),
                                     QT_TRANSLATE_NOOP("SpecFish", "min volume=")};

}  // namespace

QString packedProperty(Packed which, int k) {
    return QString(which == Packed::Keep ? "keep%1" : "spawn%1").arg(k);
}

SpecFish::SpecFish(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, QWidget* parent)
    : QWidget(parent), doc_(doc), prompter_(prompter), taxon_(taxon) {
    openCard(doc, taxon);
    keepValues_ = readSubFields(doc, taxon, Packed::Keep);
    spawnValues_ = readSubFields(doc, taxon, Packed::Spawn);
    auto* grid = new QGridLayout(this);
    habitats_ = new HabitatGroup(doc, prompter, cardHabitats(doc, taxon),
                                 [this](const std::vector<std::string>& names) { writeHabitats(doc_, taxon_, names); },
                                 this);
    connect(habitats_, &HabitatGroup::habitatsChanged, this, &SpecFish::habitatsChanged);
    grid->addWidget(habitats_, 0, 0, 1, 2);
    grid->addWidget(buildKeeping(), 1, 0);
    grid->addWidget(buildSpawning(), 1, 1);
    grid->addWidget(buildPosterity(), 2, 0, 1, 2);
}

QGroupBox* SpecFish::buildKeeping() {
    auto* box = new QGroupBox(tr("Keeping conditions"), this);
    auto* form = new QFormLayout(box);
    for (int k = 0; k < 6; ++k) form->addRow(tr(kSharedLabels[k]), packedEdit(Packed::Keep, k, keepValues_[k]));
    form->addRow(tr("periodicity of water changing:"),
                 packedEdit(Packed::Keep, kWaterChanging, keepValues_[kWaterChanging]));
    form->addRow(tr("food:"), cardTextEdit(CardText::Forage, "forage", CStair::tr("Forage: ")));
    return box;
}

QGroupBox* SpecFish::buildSpawning() {
    auto* box = new QGroupBox(tr("Spawning conditions"), this);
    auto* form = new QFormLayout(box);
    for (int k = 0; k < 6; ++k) form->addRow(tr(kSharedLabels[k]), packedEdit(Packed::Spawn, k, spawnValues_[k]));
    season_ = listBox(seasonNames(), kSeason);
    substrate_ = listBox(substrateNames(), kSubstrate);
    form->addRow(tr("season:"), season_);
    form->addRow(tr("substrat:"), substrate_);
    form->addRow(tr("push to spawning:"),
                 packedEdit(Packed::Spawn, kPushToSpawning, spawnValues_[kPushToSpawning]));
    form->addRow(tr("first food for fries:"),
                 cardTextEdit(CardText::ForageFr, "forageFr", CStair::tr("Starting forage: ")));
    return box;
}

QGroupBox* SpecFish::buildPosterity() {
    auto* box = new QGroupBox(tr("Posterity"), this);
    auto* form = new QFormLayout(box);
    form->addRow(tr("eggs quantity:"), cardNumberEdit(CardNumber::EggQuantity, "eggQuantity", CStair::tr("Eggs quantity = ")));
    form->addRow(tr("term eggs-larvas, days:"), cardNumberEdit(CardNumber::EggTerm, "eggTerm", CStair::tr("Term eggs-larvas = ")));
    form->addRow(tr("larvas hatch, % from eggs:"),
                 cardNumberEdit(CardNumber::HatchPercent, "hatchPercent", CStair::tr("Laravas_hatch = ")));
    form->addRow(tr("term larvas-fries, days:"), cardNumberEdit(CardNumber::FryTerm, "fryTerm", CStair::tr("Term larvas-fries = ")));
    return box;
}

QLineEdit* SpecFish::packedEdit(Packed which, int k, const std::string& value) {
    auto* edit = new QLineEdit(q(value), this);
    (which == Packed::Keep ? keep_ : spawn_).resize(static_cast<std::size_t>(subFieldCount(which)));
    (which == Packed::Keep ? keep_ : spawn_)[static_cast<std::size_t>(k)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, which, k](const QString& text) {
        db::showingDbErrors(prompter_, [&] {
            if (writeSubField(doc_, taxon_, which, k, text.toStdString()))
                emit captionChanged(packedProperty(which, k), CStair::tr(stairChangedLabel(which, k).c_str()) + text);
        });
    });
    return edit;
}

QLineEdit* SpecFish::cardTextEdit(CardText f, const QString& property, const QString& label) {
    openCard(doc_, taxon_);
    auto* edit = new QLineEdit(q(textMember(*doc_.animalCards, f)), this);
    texts_.emplace_back(f, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, f, property, label](const QString& text) {
        db::showingDbErrors(prompter_, [&] {
            if (writeText(doc_, taxon_, f, text.toStdString())) emit captionChanged(property, label + text);
        });
    });
    return edit;
}

QLineEdit* SpecFish::cardNumberEdit(CardNumber f, const QString& property, const QString& label) {
    openCard(doc_, taxon_);
    auto* edit = new QLineEdit(QString::number(numberMember(*doc_.animalCards, f)), this);
    numbers_.emplace_back(f, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, f, property, label](const QString& text) {
        db::showingDbErrors(prompter_, [&] {
            if (writeNumber(doc_, taxon_, f, text.toStdString())) emit captionChanged(property, label + text);
        });
    });
    return edit;
}

// Season and substrate keep the index of the chosen entry.
QComboBox* SpecFish::listBox(const std::vector<std::string>& names, int k) {
    auto* box = new QComboBox(this);
    for (const std::string& n : names) box->addItem(q(n));
    const std::string& stored = spawnValues_[static_cast<std::size_t>(k)];
    std::optional<std::int64_t> index = stored.empty() ? std::nullopt : readUnsigned(stored);
    box->setCurrentIndex(index && *index < static_cast<std::int64_t>(names.size()) ? static_cast<int>(*index) : -1);
    connect(box, &QComboBox::activated, this, [this, k](int i) {
        db::showingDbErrors(prompter_, [&] {
            if (writeSubField(doc_, taxon_, Packed::Spawn, k, std::to_string(i)))
                emit captionChanged(packedProperty(Packed::Spawn, k),
                                    CStair::tr(stairChangedLabel(Packed::Spawn, k).c_str()) +
                                        q(k == kSeason ? seasonNames()[i] : substrateNames()[i]));
        });
    });
    return box;
}

QLineEdit* SpecFish::textEdit(CardText f) const {
    for (auto& [field, edit] : texts_)
        if (field == f) return edit;
    return nullptr;
}

QLineEdit* SpecFish::numberEdit(CardNumber f) const {
    for (auto& [field, edit] : numbers_)
        if (field == f) return edit;
    return nullptr;
}
