#include "ui/catalogue/CStair.h"

#include "db/ShowErrors.h"
#include "ui/common/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/CatalogueText.h"
#include "catalogue/PlantCard.h"
#include "ui/catalogue/SpecFish.h"
#include "ui/catalogue/SpecPlant.h"

using namespace catalogue;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The captions of the packed sub-fields come from the catalogue's logic in
// English; their translations are listed here.
[[maybe_unused]] const char* const kLogicCaptions[] = {
    QT_TRANSLATE_NOOP("CStair", "Saltiness = "),       QT_TRANSLATE_NOOP("CStair", "Volume = "),
    QT_TRANSLATE_NOOP("CStair", "Water changing: "),   QT_TRANSLATE_NOOP("CStair", "Season: "),
    QT_TRANSLATE_NOOP("CStair", "Substrat: "),         QT_TRANSLATE_NOOP("CStair", "Push to spawning: "),
    QT_TRANSLATE_NOOP("CStair", "Water changing = ")};
// So are the plant's ways of reproduction.
[[maybe_unused]] const char* const kPlantMethodNames[] = {
    QT_TRANSLATE_NOOP("SpecPlant", "Spores"),  QT_TRANSLATE_NOOP("SpecPlant", "Vegatative"),
    QT_TRANSLATE_NOOP("SpecPlant", "Seeds"),   QT_TRANSLATE_NOOP("SpecPlant", "Rhizome"),
    QT_TRANSLATE_NOOP("SpecPlant", "Caulescent layers")};

QString listed(const std::vector<std::string>& names, const std::string& stored) {
    std::optional<std::int64_t> i = stored.empty() ? std::nullopt : readUnsigned(stored);
    return i && *i < static_cast<std::int64_t>(names.size()) ? q(names[static_cast<std::size_t>(*i)]) : QString();
}

// The opening caption of a packed sub-field, with its unit where it has one.
QString openingCaption(Packed which, int k, const std::string& value) {
    QString label = CStair::tr(stairOpeningLabel(which, k).c_str());
    if (k == kMinVolume) return label + q(value) + CStair::tr(" liters");
    if (which == Packed::Spawn && k == kSeason) return label + listed(seasonNames(), value);
    if (which == Packed::Spawn && k == kSubstrate) return label + listed(substrateNames(), value);
    return label + q(value);
}

}  // namespace

CStair::CStair(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t taxon, int language, QWidget* parent,
               Card card)
    : QWidget(parent), doc_(doc), prompter_(prompter), taxon_(taxon), language_(language), card_(card) {
    auto* layout = new QGridLayout(this);
    if (card == Card::Plant) buildPlant(layout);
    else buildAnimal(layout);
    copy_ = new QPushButton(tr("Make all checked properties common for all subtaxomony"), this);
    status_ = new QLabel(this);
    layout->addWidget(copy_, 3, 0, 1, 2);
    layout->addWidget(status_, 4, 0, 1, 2);
    connect(copy_, &QPushButton::clicked, this, &CStair::copyDown);
}

void CStair::buildAnimal(QGridLayout* layout) {
    db::CFishesDoc& doc = doc_;
    const std::int32_t taxon = taxon_;
    auto* habitatHost = new QWidget(this);
    auto* hl = new QVBoxLayout(habitatHost);
    hl->setContentsMargins(0, 0, 0, 0);
    add(habitatHost, "habitat", tr("Natural habitat"));
    habitats_ = new QListWidget(habitatHost);
    habitats_->setMaximumHeight(80);
    hl->addWidget(habitats_);
    QStringList names;
    for (const std::string& n : cardHabitats(doc, taxon)) names << q(n);
    setHabitats(names);
    layout->addWidget(habitatHost, 0, 0);
    std::vector<std::string> keep = readSubFields(doc, taxon, Packed::Keep);
    std::vector<std::string> spawn = readSubFields(doc, taxon, Packed::Spawn);
    openCard(doc, taxon);
    const db::Fishes& c = *doc.animalCards;

    keepGroup_ = group(tr("Keep conditions"));
    add(keepGroup_, "forage", tr("Forage: ") + q(c.m_Forage));
    for (int k = 0; k < kKeepFields; ++k)
        add(keepGroup_, packedProperty(Packed::Keep, k), openingCaption(Packed::Keep, k, keep[static_cast<std::size_t>(k)]));
    layout->addWidget(keepGroup_, 1, 0);

    spawnGroup_ = group(tr("Spawning conditions"));
    add(spawnGroup_, "forageFr", tr("Starting forage for fries: ") + q(c.m_Forage_fr));
    for (int k = 0; k < kSpawnFields; ++k)
        add(spawnGroup_, packedProperty(Packed::Spawn, k),
            openingCaption(Packed::Spawn, k, spawn[static_cast<std::size_t>(k)]));
    layout->addWidget(spawnGroup_, 0, 1, 2, 1);

    posterityGroup_ = group(tr("Posterity"));
    add(posterityGroup_, "eggQuantity", tr("Eggs quantity = ") + QString::number(c.m_Egg_quant));
    add(posterityGroup_, "eggSize", tr("Eggs size = ") + q(c.m_Egg_size));
    add(posterityGroup_, "eggTerm", tr("Term eggs-larvas = ") + QString::number(c.m_Egg_term) + tr(" days"));
    add(posterityGroup_, "hatchPercent", tr("Larvas hatch = ") + QString::number(c.m_Fr_perc));
    add(posterityGroup_, "fryTerm", tr("Term larvas-fries = ") + QString::number(c.m_Fr_term) + tr(" days"));
    layout->addWidget(posterityGroup_, 2, 0);

    auto* others = new QWidget(this);
    new QVBoxLayout(others);
    add(others, "description", tr("Description"));
    add(others, "maleLength", tr("Male length = ") + q(c.m_M_len));
    add(others, "femaleLength", tr("Female length = ") + q(c.m_F_len));
    add(others, "juvenileLength", tr("Juvenile length = ") + q(c.m_J_len));
    add(others, "fryLength", tr("Fry length = ") + q(c.m_Fr_len));
    add(others, "links", tr("Links"));
    add(others, "members", tr("Members"));
    layout->addWidget(others, 2, 1);

}

void CStair::buildPlant(QGridLayout* layout) {
    auto* habitatHost = new QWidget(this);
    auto* hl = new QVBoxLayout(habitatHost);
    hl->setContentsMargins(0, 0, 0, 0);
    add(habitatHost, "habitat", tr("Natural habitat"));
    habitats_ = new QListWidget(habitatHost);
    habitats_->setMaximumHeight(80);
    hl->addWidget(habitats_);
    QStringList names;
    for (const std::string& n : plantHabitats(doc_, taxon_)) names << q(n);
    setHabitats(names);
    layout->addWidget(habitatHost, 0, 0);

    openPlantCard(doc_, taxon_);
    const db::Plants& c = *doc_.plantCards;
    std::vector<std::string> keep = unpack(c.m_Keep_cond, kPlantKeepFields);
    static const char* const keepLabels[kPlantKeepFields] = {
        "t = ", "pH = ", "dGh = ", "dKh = ", QT_TR_NOOP("Humidity = "), QT_TR_NOOP("Lighting = "),
        QT_TR_NOOP("Saltiness = "), QT_TR_NOOP("Seeds = "), QT_TR_NOOP("Reproduction: ")};
    keepGroup_ = group(tr("Keep conditions"));
    for (int k = 0; k < kPlantKeepFields; ++k) {
        QString value = q(keep[static_cast<std::size_t>(k)]);
        if (k == kPlantMethods) {
            QStringList methods;
            std::vector<bool> on = checkedMethods(keep[static_cast<std::size_t>(k)]);
            for (std::size_t m = 0; m < on.size() && m < plantMethods().size(); ++m)
                if (on[m]) methods << SpecPlant::tr(plantMethods()[m].c_str());
            value = methods.join(", ");
        }
        add(keepGroup_, "plantKeep" + QString::number(k), tr(keepLabels[k]) + value);
    }
    layout->addWidget(keepGroup_, 1, 0);

    auto* growth = new QWidget(this);
    new QVBoxLayout(growth);
    add(growth, "substrat", tr("Substrat: ") + q(c.m_Substrat));
    add(growth, "season", tr("Season = ") + QString::number(c.m_Season));
    add(growth, "flowTerm", tr("Flowering term = ") + QString::number(c.m_Flow_term));
    add(growth, "seedTerm", tr("Seeds term = ") + QString::number(c.m_Seed_term));
    add(growth, "seedPercent", tr("Seeds germination = ") + QString::number(c.m_Seed_perc));
    layout->addWidget(growth, 0, 1, 2, 1);

    auto* others = new QWidget(this);
    new QVBoxLayout(others);
    add(others, "description", tr("Description"));
    add(others, "height", tr("Height = ") + q(c.m_Height));
    add(others, "diameter", tr("Diameter = ") + q(c.m_Diameter));
    add(others, "flowerSize", tr("Flower size = ") + q(c.m_Fl_size));
    add(others, "seedSize", tr("Seed size = ") + q(c.m_Seed_size));
    add(others, "sproutSize", tr("Sprout size = ") + q(c.m_Spr_size));
    add(others, "root", tr("Root: ") + q(c.m_Root));
    add(others, "links", tr("Links"));
    layout->addWidget(others, 2, 0, 1, 2);
}

QGroupBox* CStair::group(const QString& title) {
    auto* g = new QGroupBox(title, this);
    g->setCheckable(true);  // an unchecked group disables its members
    g->setChecked(false);
    new QVBoxLayout(g);
    return g;
}

QCheckBox* CStair::add(QWidget* host, const QString& property, const QString& caption) {
    auto* b = new QCheckBox(caption, host);
    host->layout()->addWidget(b);
    boxes_[property] = b;
    return b;
}

QCheckBox* CStair::box(const QString& property) const {
    auto it = boxes_.find(property);
    return it == boxes_.end() ? nullptr : it->second;
}

void CStair::setCaption(const QString& property, const QString& caption) {
    if (QCheckBox* b = box(property)) b->setText(caption);
}

void CStair::setHabitats(const QStringList& names) {
    habitats_->clear();
    habitats_->addItems(names);
}

bool CStair::checked(const QString& property) const {
    QCheckBox* b = box(property);
    return b && b->isChecked();
}

StairChoice CStair::choice() const {
    StairChoice ch;
    ch.habitat = checked("habitat");
    ch.keepGroup = keepGroup_ && keepGroup_->isChecked();
    ch.forage = checked("forage");
    for (int k = 0; k < kKeepFields; ++k) ch.keep[static_cast<std::size_t>(k)] = checked(packedProperty(Packed::Keep, k));
    ch.spawnGroup = spawnGroup_ && spawnGroup_->isChecked();
    ch.forageFr = checked("forageFr");
    for (int k = 0; k < kSpawnFields; ++k)
        ch.spawn[static_cast<std::size_t>(k)] = checked(packedProperty(Packed::Spawn, k));
    ch.posterityGroup = posterityGroup_ && posterityGroup_->isChecked();
    ch.eggQuantity = checked("eggQuantity");
    ch.eggSize = checked("eggSize");
    ch.eggTerm = checked("eggTerm");
    ch.hatchPercent = checked("hatchPercent");
    ch.fryTerm = checked("fryTerm");
    ch.description = checked("description");
    ch.maleLength = checked("maleLength");
    ch.femaleLength = checked("femaleLength");
    ch.juvenileLength = checked("juvenileLength");
    ch.fryLength = checked("fryLength");
    ch.links = checked("links");
    return ch;
}

PlantStairChoice CStair::plantChoice() const {
    PlantStairChoice ch;
    ch.habitat = checked("habitat");
    ch.keepGroup = keepGroup_ && keepGroup_->isChecked();
    for (int k = 0; k < kPlantKeepFields; ++k) ch.keep[static_cast<std::size_t>(k)] = checked("plantKeep" + QString::number(k));
    ch.substrat = checked("substrat");
    ch.season = checked("season");
    ch.flowTerm = checked("flowTerm");
    ch.seedTerm = checked("seedTerm");
    ch.seedPercent = checked("seedPercent");
    ch.height = checked("height");
    ch.diameter = checked("diameter");
    ch.flowerSize = checked("flowerSize");
    ch.seedSize = checked("seedSize");
    ch.sproutSize = checked("sproutSize");
    ch.root = checked("root");
    ch.description = checked("description");
    ch.links = checked("links");
    return ch;
}

void CStair::copyDown() {
    bool copied = false;
    {
        ui::WaitCursor wait;
        db::showingDbErrors(prompter_, [&] {
            if (card_ == Card::Plant) catalogue::copyPlantDown(doc_, taxon_, plantChoice(), language_);
            else catalogue::copyDown(doc_, taxon_, choice(), language_);
            copied = true;
        });
    }
    if (!copied) return;
    status_->setText(tr("Check nessessary boxes and press button on bottom"));
}
