#include "farm/Incubator.h"

#include "catalogue/Taxonomy.h"
#include "farm/ArchivePeriod.h"
#include "farm/LotNames.h"

namespace farm {

namespace {

constexpr const char* kSpawningOrder = "Of_incubator, Date_eggs, Cod";

}  // namespace

std::string spawningArchiveFilter(const std::string& period, const core::DayMonthYear& today) {
    auto start = archiveStart(period, today);
    if (!start) return "Fries_out>=0";
    return "Fries_out>=0 AND Date_eggs>=" + core::dateLiteral(start->month, start->day, start->year);
}

IncubatorBook::IncubatorBook(db::CFishesDoc& doc, core::Settings& settings)
    : doc_(doc), settings_(settings), lots_(*doc.db) {
    lots_.setSort("Date_first_eat, Cod");
}

void IncubatorBook::showOpen() {
    filter_ = kOpenSpawnings;
    archive_ = datedArchive_ = false;
    rebuild(std::nullopt);
}

void IncubatorBook::showArchive(const std::string& period, const core::DayMonthYear& today) {
    filter_ = spawningArchiveFilter(period, today);
    archive_ = true;
    datedArchive_ = archiveStart(period, today).has_value();
    rebuild(std::nullopt);
}

void IncubatorBook::reapply() { rebuild(selected_); }

std::string IncubatorBook::lineText(const db::Incubator& s, TaxonNames& names,
                                    const std::unordered_map<int, LotSummary>& lots) {
    auto parent = [&](int cod) {
        auto it = lots.find(cod);
        return it == lots.end() ? names.parent(0, "") : names.parent(it->second.taxon, it->second.other);
    };
    std::string text;
    if (s.m_Of_incubator > 0) text = std::to_string(s.m_Of_incubator) + "* ";
    text += core::formatDate(s.m_Date_eggs) + ": " + parent(s.m_Of_father) + " x " + parent(s.m_Of_mother);
    return text;
}

void IncubatorBook::rebuild(std::optional<int> selectCod) {
    db::Incubator& s = *doc_.spawnings;
    s.setFilter(filter_);
    s.setSort(kSpawningOrder);
    s.requery();
    lines_.clear();
    totals_ = {};
    // The parents and their names for the whole list first, a few queries in all.
    std::vector<int> parents;
    for (; !s.isEOF(); s.moveNext()) {
        parents.push_back(s.m_Of_father);
        parents.push_back(s.m_Of_mother);
    }
    const std::unordered_map<int, LotSummary> lots = readLots(*doc_.db, parents);
    TaxonNames names(*doc_.taxa);
    std::vector<int> taxa;
    for (const auto& lot : lots) taxa.push_back(lot.second.taxon);
    names.prefetch(std::move(taxa));
    for (s.moveFirst(); !s.isEOF(); s.moveNext()) {
        lines_.push_back({lineText(s, names, lots), s.m_Cod});
        // Eggs count only until larvae appear.
        if (s.m_Number_fries == 0) totals_.eggs += s.m_Number_eggs;
        totals_.larvae += s.m_Number_fries;
        totals_.transferred += s.m_Fries_out;
    }
    selected_.reset();
    if (selectCod && lineOf(*selectCod)) selected_ = selectCod;
    if (selected_) positionOnSelected();
}

std::optional<std::size_t> IncubatorBook::lineOf(int cod) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].cod == cod) return i;
    return std::nullopt;
}

std::optional<std::size_t> IncubatorBook::selectedLine() const {
    return selected_ ? lineOf(*selected_) : std::nullopt;
}

bool IncubatorBook::selectLine(std::size_t line) {
    if (line >= lines_.size()) return false;
    selected_ = lines_[line].cod;
    return positionOnSelected();
}

bool IncubatorBook::positionOnSelected() {
    auto line = selectedLine();
    if (!line) return false;
    db::Incubator& s = *doc_.spawnings;
    // Another dialog may have used the rows meanwhile.
    if (s.filter() != filter_ || s.sort() != kSpawningOrder || s.rowCount() != lines_.size()) {
        s.setFilter(filter_);
        s.setSort(kSpawningOrder);
        s.requery();
    }
    s.moveFromFirst(*line);
    if (!s.isEOF() && s.m_Cod == *selected_ && !s.isDeleted()) return true;
    int cod = *selected_;
    rebuild(std::nullopt);
    auto again = lineOf(cod);
    if (!again) return false;
    selected_ = cod;
    s.moveFromFirst(*again);
    return !s.isEOF();
}

db::Incubator& IncubatorBook::spawning() {
    positionOnSelected();
    return *doc_.spawnings;
}

bool IncubatorBook::canTransfer() {
    if (!positionOnSelected()) return false;
    const db::Incubator& s = *doc_.spawnings;
    return s.m_Number_eggs >= 1 && s.m_Date_fries > core::notSetDate() && s.m_Fries_out == 0;
}

std::optional<int> IncubatorBook::offspringTank() {
    if (!positionOnSelected()) return std::nullopt;
    lots_.setFilter("Of_fry=" + std::to_string(doc_.spawnings->m_Cod));
    lots_.requery();
    if (lots_.isEOF()) return std::nullopt;
    return lots_.m_Of_aquarium;
}

bool IncubatorBook::hasOffspring() { return offspringTank().has_value(); }

std::optional<int> IncubatorBook::fatherSpecies() {
    if (!positionOnSelected()) return std::nullopt;
    lots_.setFilter("Cod=" + std::to_string(doc_.spawnings->m_Of_father));
    lots_.requery();
    if (lots_.isEOF()) return std::nullopt;
    return lots_.m_Of_fish;
}

std::optional<int> IncubatorBook::addSpawning(int father, int mother) {
    if (father <= 0 || mother <= 0 || father == mother) return std::nullopt;
    db::Incubator& s = *doc_.spawnings;
    std::time_t now = std::time(nullptr);
    s.addNew();
    s.m_Date_eggs = now;
    s.m_Date_fries = now;
    s.m_Number_eggs = -1;  // finds the new row among the listed ones
    s.m_Number_fries = 0;
    s.m_Fries_out = 0;
    s.m_Of_father = father;
    s.m_Of_mother = mother;
    s.m_Of_incubator = 0;
    s.update();
    s.setFilter(filter_);
    s.setSort(kSpawningOrder);
    s.requery();
    std::optional<int> cod;
    for (; !s.isEOF(); s.moveNext()) {
        if (s.m_Number_eggs != -1) continue;
        s.edit();
        s.m_Number_eggs = 0;
        s.update();
        cod = s.m_Cod;
        break;
    }
    rebuild(cod);
    return cod;
}

template <class F> void IncubatorBook::change(F set) {
    if (!positionOnSelected()) return;
    db::Incubator& s = *doc_.spawnings;
    s.edit();
    set(s);
    s.update();
    rebuild(selected_);
}

bool IncubatorBook::precise(int father, int mother) {
    if (!hasSpawning() || father <= 0 || mother <= 0 || father == mother) return false;
    change([&](db::Incubator& s) {
        s.m_Of_father = father;
        s.m_Of_mother = mother;
    });
    return true;
}

void IncubatorBook::setEggs(int count) {
    if (positionOnSelected() && doc_.spawnings->m_Number_eggs != count)
        change([&](db::Incubator& s) { s.m_Number_eggs = count; });
}

void IncubatorBook::setLarvae(int count) {
    if (positionOnSelected() && doc_.spawnings->m_Number_fries != count)
        change([&](db::Incubator& s) { s.m_Number_fries = count; });
}

void IncubatorBook::setIncubator(int number) {
    if (positionOnSelected() && doc_.spawnings->m_Of_incubator != number)
        change([&](db::Incubator& s) { s.m_Of_incubator = number; });
}

void IncubatorBook::setEggsDate(std::time_t date) {
    if (positionOnSelected() && doc_.spawnings->m_Date_eggs != date)
        change([&](db::Incubator& s) { s.m_Date_eggs = date; });
}

void IncubatorBook::setLarvaeDate(std::time_t date) {
    if (positionOnSelected() && doc_.spawnings->m_Date_fries != date)
        change([&](db::Incubator& s) { s.m_Date_fries = date; });
}

const char* IncubatorBook::transferCaption() {
    return positionOnSelected() && doc_.spawnings->m_Number_fries == 0 ? kBadParentsCaption : kSurvivedCaption;
}

int IncubatorBook::transferProposal() { return positionOnSelected() ? doc_.spawnings->m_Number_fries : 0; }

void IncubatorBook::writeOff() {
    if (canTransfer()) change([](db::Incubator& s) { s.m_Date_fries = core::notSetDate(); });
}

std::optional<int> IncubatorBook::transfer(int survived, int tank, int species) {
    if (!canTransfer() || survived < 0) return std::nullopt;
    if (survived == 0) {
        writeOff();
        return std::nullopt;
    }
    if (tank <= 0 || species <= 0) return std::nullopt;
    settings_.Default_fish = species;
    // A lot is of a species or below, never of a genus or family.
    if (TaxonNames(*doc_.taxa).levelOf(species) > catalogue::kLotLevel) return std::nullopt;
    int spawning = *selected_;
    std::time_t now = std::time(nullptr);
    // The fries' lot and the closed spawning: both or neither, so a failed
    // transfer can be repeated without making the fries twice.
    return db::inTransaction(*doc_.db, [&] {
        lots_.addNew();
        lots_.m_Date_first_eat = now;
        lots_.m_Date_mf = now;
        lots_.m_Of_fish = species;
        lots_.m_Of_fry = spawning;
        lots_.m_Place_birth = settings_.Fishbreeder;
        lots_.m_Of_aquarium = tank;
        lots_.m_Number_fries = survived;
        lots_.m_Number_male = lots_.m_Number_female = 0;
        lots_.m_Date_dye = lots_.m_Date_sale = lots_.m_Date_gift = core::notSetDate();
        lots_.m_Died = lots_.m_Gifted = lots_.m_Saled = lots_.m_Income = lots_.m_Outgo = lots_.m_Price = 0;
        lots_.m_Size = 0;
        lots_.m_Forsale = true;
        lots_.m_Other.clear();
        lots_.update();
        int lot = static_cast<int>(lots_.lastInsertedKey());
        change([&](db::Incubator& s) { s.m_Fries_out = survived; });
        return std::optional<int>(lot);
    });
}

void IncubatorBook::deleteSelected() {
    if (!positionOnSelected()) return;
    doc_.spawnings->deleteRow();
    rebuild(std::nullopt);
}

}  // namespace farm
