#include "farm/LotBook.h"

#include "core/ClassCodes.h"
#include "core/Dates.h"
#include "farm/LotNames.h"

namespace farm {

namespace {

constexpr const char* kLiving = "Number_fries>0 OR Number_male>0 OR Number_female>0";
constexpr const char* kNewMark = "NEW!";

std::int32_t& eventCount(db::My_Fish& r, MoveKind kind) {
    switch (kind) {
    case MoveKind::Gifted: return r.m_Gifted;
    case MoveKind::Lost: return r.m_Died;
    default: return r.m_Saled;
    }
}

std::time_t& eventDate(db::My_Fish& r, MoveKind kind) {
    switch (kind) {
    case MoveKind::Gifted: return r.m_Date_gift;
    case MoveKind::Lost: return r.m_Date_dye;
    default: return r.m_Date_sale;
    }
}

void setEvent(db::My_Fish& r, MoveKind kind, int count, std::time_t when, int price) {
    eventCount(r, kind) = count;
    eventDate(r, kind) = when;
    if (kind == MoveKind::Sold) r.m_Outgo = price;
}

void setLiving(db::My_Fish& r, const Counts& c) {
    r.m_Number_fries = c.fries;
    r.m_Number_male = c.males;
    r.m_Number_female = c.females;
}

bool isSplit(MoveKind kind) { return kind == MoveKind::New || kind == MoveKind::Transferred; }

// What a row split off a lot inherits from it.
struct Inherited {
    std::time_t firstEat, arrived;
    int ofFish, ofFry, ofAquarium, income, size;
    std::string placeBirth, other;
    bool forSale;

    explicit Inherited(const db::My_Fish& r)
        : firstEat(r.m_Date_first_eat), arrived(r.m_Date_mf), ofFish(r.m_Of_fish), ofFry(r.m_Of_fry),
          ofAquarium(r.m_Of_aquarium), income(r.m_Income), size(r.m_Size), placeBirth(r.m_Place_birth),
          other(r.m_Other), forSale(r.m_Forsale) {}

    void giveTo(db::My_Fish& r) const {
        r.m_Date_first_eat = firstEat;
        r.m_Date_mf = arrived;
        r.m_Of_fish = ofFish;
        r.m_Of_fry = ofFry;
        r.m_Of_aquarium = ofAquarium;
        r.m_Income = income;
        r.m_Size = size;
        r.m_Place_birth = placeBirth;
        r.m_Other = other;
        r.m_Forsale = forSale;
        r.m_Died = r.m_Gifted = r.m_Saled = r.m_Outgo = r.m_Price = 0;
        r.m_Date_dye = r.m_Date_gift = r.m_Date_sale = core::notSetDate();
    }
};

std::string lineText(TaxonNames& names, const db::My_Fish& r, LotKind kind) {
    return listPrefix(kind) + names.display(r.m_Of_fish, r.m_Other);
}

}  // namespace

std::string lotFilter(LotView view, int tank, const std::string& archiveClause) {
    switch (view) {
    case LotView::All: return kLiving;
    case LotView::Archive: {
        std::string f = "Number_fries+Number_male+Number_female=0 AND Of_fish<>14";
        if (!archiveClause.empty()) f += " " + archiveClause;
        return f;
    }
    case LotView::AllWithArchive: return "Of_fish<>14";
    case LotView::Tank: break;
    }
    return "Of_aquarium=" + std::to_string(tank) + " AND (" + kLiving + ")";
}

const char* moveTitle(MoveKind kind) {
    switch (kind) {
    case MoveKind::Gifted: return "Gifted";
    case MoveKind::Lost: return "Lost";
    case MoveKind::Sold: return "Sold";
    case MoveKind::New: return "New";
    case MoveKind::Transferred: return "Transferred";
    }
    return "";
}

const std::vector<LotClass>& lotClasses() {
    using S = core::Settings;
    static const std::vector<LotClass> classes = {
        {core::kFishes, "New fish...", "Select a name for your fish", "Precise a name for your fish", "Class Pisces",
         &S::Default_fish},
        {core::kCrustaceans, "New crustacea...", "Select a name for your crustacea", "Precise a name for your crustacea",
         "Class Crustacea", &S::Default_crus},
        {core::kDicotyledons, "New dicotyle plantae...", "Select a name for your plant", "Precise a name for your plant",
         "Class Dicotyledones", &S::Default_dicot},
        {core::kMonocotyledons, "New monocotyle plantae...", "Select a name for your plant", "Precise a name for your plant",
         "Class Monocotyledones", &S::Default_monocot},
        {core::kFerns, "New fern...", "Select a name for your fern", "Precise a name for your fern",
         "Class Polypodiopsida", &S::Default_fern},
        {core::kMosses, "New moss...", "Select a name for your moss", "Precise a name for your moss", "Class Musci",
         &S::Default_moss},
    };
    return classes;
}

const LotClass* lotClass(int classCode) {
    for (const LotClass& c : lotClasses())
        if (c.code == classCode) return &c;
    return nullptr;
}

LotBook::LotBook(db::CFishesDoc& doc, core::Settings& settings)
    : doc_(doc), settings_(settings), parentLots_(*doc.db), spawning_(*doc.db) {}

void LotBook::show(const std::string& filter) {
    filter_ = filter;
    rebuild();
}

void LotBook::rebuild() {
    db::My_Fish& r = *doc_.lots;
    r.setFilter(filter_);
    r.setSort("Date_first_eat, Cod");
    r.requery();
    lines_.clear();
    total_ = 0;
    TaxonNames names(*doc_.taxa);
    std::vector<int> taxa;
    for (; !r.isEOF(); r.moveNext()) taxa.push_back(r.m_Of_fish);
    names.prefetch(std::move(taxa));
    r.moveFirst();
    for (std::size_t row = 0; !r.isEOF(); r.moveNext(), ++row) {
        LotKind kind = lotKindOfClass(names.classOf(r.m_Of_fish));
        if (kind == LotKind::Unlisted) continue;
        LotLine line;
        line.text = lineText(names, r, kind);
        line.cod = r.m_Cod;
        line.row = row;
        line.fish = kind == LotKind::Fish;
        line.animals = r.m_Number_fries + r.m_Number_male + r.m_Number_female;
        if (line.fish) total_ += line.animals;
        lines_.push_back(std::move(line));
    }
}

std::optional<std::size_t> LotBook::lineOf(int cod) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].cod == cod) return i;
    return std::nullopt;
}

bool LotBook::selectLine(std::size_t line) {
    if (line >= lines_.size()) return false;
    db::My_Fish& r = *doc_.lots;
    r.moveFromFirst(lines_[line].row);
    if (!r.isEOF() && r.m_Cod == lines_[line].cod) return true;
    // Someone else requeried the shared record object: read the list again.
    int cod = lines_[line].cod;
    rebuild();
    auto again = lineOf(cod);
    if (!again) return false;
    r.moveFromFirst(lines_[*again].row);
    return !r.isEOF();
}

bool LotBook::positionOn(int cod) {
    auto line = lineOf(cod);
    return line && selectLine(*line);
}

bool LotBook::hasLot() const { return !doc_.lots->isEOF() && !doc_.lots->isDeleted(); }

Counts LotBook::counts() const {
    if (!hasLot()) return {};
    const db::My_Fish& r = *doc_.lots;
    return {r.m_Number_fries, r.m_Number_male, r.m_Number_female};
}

int LotBook::lotClassCode() {
    if (!hasLot()) return 0;
    TaxonNames names(*doc_.taxa);
    return names.classOf(doc_.lots->m_Of_fish);
}

std::optional<int> LotBook::addLot(int taxon, int tank) {
    {
        TaxonNames names(*doc_.taxa);
        if (names.levelOf(taxon) > 128) return std::nullopt;
    }
    spawning_.setFilter("Fries_out=-1");
    spawning_.requery();
    const int bought = spawning_.isEOF() ? 0 : spawning_.m_Cod;

    std::time_t now = std::time(nullptr);
    db::My_Fish& r = *doc_.lots;
    const int cod = db::inTransaction(*doc_.db, [&] {
        r.addNew();
        r.m_Date_first_eat = r.m_Date_mf = now;
        r.m_Of_fish = taxon;
        r.m_Of_fry = bought;
        r.m_Of_aquarium = tank;
        r.m_Number_fries = 1;
        r.m_Date_dye = r.m_Date_sale = r.m_Date_gift = core::notSetDate();
        r.m_Other = kNewMark;
        r.update();
        const int added = static_cast<int>(r.lastInsertedKey());
        // Found again by its code, so a lot that someone named "NEW!" is never taken for it.
        parentLots_.setFilter("Cod=" + std::to_string(added));
        parentLots_.requery();
        if (!parentLots_.isEOF() && parentLots_.m_Other == kNewMark) {
            parentLots_.edit();
            parentLots_.m_Other.clear();
            parentLots_.update();
        }
        return added;
    });
    rebuild();
    positionOn(cod);
    return cod;
}

bool LotBook::precise(int taxon) {
    if (!hasLot()) return false;
    {
        TaxonNames names(*doc_.taxa);
        if (names.levelOf(taxon) > 128) return false;
    }
    const int cod = doc_.lots->m_Cod;
    change([&](db::My_Fish& r) { r.m_Of_fish = taxon; });
    rebuild();
    positionOn(cod);
    return true;
}

void LotBook::change(const std::function<void(db::My_Fish&)>& set) {
    if (!hasLot()) return;
    db::My_Fish& r = *doc_.lots;
    r.edit();
    set(r);
    r.update();
    for (LotLine& line : lines_) {
        if (line.cod != r.m_Cod) continue;
        TaxonNames names(*doc_.taxa);
        LotKind kind = lotKindOfClass(names.classOf(r.m_Of_fish));
        int animals = r.m_Number_fries + r.m_Number_male + r.m_Number_female;
        if (line.fish) total_ += animals - line.animals;
        line.animals = animals;
        line.text = lineText(names, r, kind);
    }
}

void LotBook::setFirstEat(std::time_t date) {
    if (!hasLot()) return;
    const int cod = doc_.lots->m_Cod;
    change([&](db::My_Fish& r) { r.m_Date_first_eat = date; });
    rebuild();
    positionOn(cod);
}

MoveOutcome LotBook::move(MoveKind kind, const Counts& moved, int price) {
    if (!hasLot()) return MoveOutcome::NoLot;
    const Counts have = counts();
    if (moved.fries < 0 || moved.males < 0 || moved.females < 0 || moved.fries > have.fries ||
        moved.males > have.males || moved.females > have.females)
        return MoveOutcome::TooMany;
    const Counts left{have.fries - moved.fries, have.males - moved.males, have.females - moved.females};
    if (moved.sum() == 0) return MoveOutcome::NothingMoved;
    if (isSplit(kind) && left.sum() == 0) return MoveOutcome::NothingLeft;

    const std::time_t now = std::time(nullptr);
    db::My_Fish& r = *doc_.lots;
    int newCod = 0;
    if (!isSplit(kind) && eventCount(r, kind) == 0) {
        r.edit();
        setLiving(r, left);
        setEvent(r, kind, moved.sum(), now, price);
        r.update();
    } else {
        // The reduced lot and the row of the moved part: both or neither.
        const Inherited from(r);
        newCod = db::inTransaction(*doc_.db, [&] {
            r.edit();
            setLiving(r, left);
            r.update();
            r.addNew();
            from.giveTo(r);
            if (isSplit(kind)) setLiving(r, moved);
            else setEvent(r, kind, moved.sum(), now, price);
            r.update();
            return static_cast<int>(r.lastInsertedKey());
        });
    }
    rebuild();
    if (kind == MoveKind::Transferred) positionOn(newCod);
    return MoveOutcome::Done;
}

MoveOutcome LotBook::transfer(const Counts& moved, int tank) {
    if (!hasLot()) return MoveOutcome::NoLot;
    if (moved.sum() == 0) return MoveOutcome::NothingMoved;
    db::Transaction transaction(*doc_.db);
    if (!(moved == counts())) {
        MoveOutcome split = move(MoveKind::Transferred, moved);
        if (split != MoveOutcome::Done) return split;
    }
    change([&](db::My_Fish& r) { r.m_Of_aquarium = tank; });
    transaction.commit();
    settings_.Default_aquarium = tank;
    rebuild();
    return MoveOutcome::Done;
}

void LotBook::deleteSelected() {
    if (!hasLot()) return;
    doc_.lots->deleteRow();
    rebuild();
}

std::vector<std::string> LotBook::sizeLabels(int taxon) {
    static const char* letters[] = {"F", "FJ", "J", "JA", "A"};
    db::Price& card = *doc_.prices;
    card.setFilter("Of_cod=" + std::to_string(taxon));
    card.requery();
    std::vector<std::string> labels;
    if (card.isEOF()) {
        labels.assign(std::begin(letters), std::end(letters));
        return labels;
    }
    const std::string* sizes[] = {&card.m_Size_s, &card.m_Size_sm, &card.m_Size_m, &card.m_Size_ml, &card.m_Size_l};
    for (int i = 0; i < 5; ++i) labels.push_back(std::string(letters[i]) + " = " + *sizes[i] + " mm");
    return labels;
}

int LotBook::saleProposal() {
    if (!hasLot()) return 25;
    const db::My_Fish& r = *doc_.lots;
    db::Price& card = *doc_.prices;
    card.setFilter("Of_cod=" + std::to_string(r.m_Of_fish));
    card.requery();
    int proposal = r.m_Outgo;
    if (!card.isEOF()) {
        const int wholesale[] = {card.m_Price_s_ws, card.m_Price_sm_ws, card.m_Price_m_ws, card.m_Price_ml_ws,
                                 card.m_Price_l_ws};
        proposal = r.m_Size >= 0 && r.m_Size < 5 ? wholesale[r.m_Size] : 0;
    }
    return proposal == 0 ? 25 : proposal;
}

std::string LotBook::parentsLine() {
    if (!hasLot()) return {};
    spawning_.setFilter("Cod=" + std::to_string(doc_.lots->m_Of_fry));
    spawning_.requery();
    if (spawning_.isEOF() || spawning_.m_Cod == 2 || spawning_.m_Fries_out == -1) return {};
    TaxonNames names(*doc_.taxa);
    auto nameOf = [&](int lotCod) -> std::string {
        parentLots_.setFilter("Cod=" + std::to_string(lotCod));
        parentLots_.requery();
        if (parentLots_.isEOF()) return "?";
        return names.parent(parentLots_.m_Of_fish, parentLots_.m_Other);
    };
    const int father = spawning_.m_Of_father, mother = spawning_.m_Of_mother;
    return nameOf(father) + " x " + nameOf(mother);
}

}  // namespace farm
