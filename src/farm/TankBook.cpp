#include "farm/TankBook.h"

#include <ctime>

#include "core/Dates.h"
#include "farm/FieldText.h"

namespace farm {

namespace {
constexpr const char* kNewMark = "NEW!";
}

std::string tankLine(int litres, const std::string& other, const std::string& emptyTankName) {
    std::string volume = litres < 1 ? emptyTankName : std::to_string(litres) + " liters";
    return volume + " (" + other + ")";
}

std::string tankTotalLine(const std::string& inAll, long litres, const std::string& unit) {
    return inAll + " " + std::to_string(litres) + " " + unit;
}

long long litresOf(long long length, long long height, long long width) {
    return width * length * height / 1000000;
}

std::vector<TankLine> tanksInService(db::Aquarium& tanks, const std::string& emptyTankName) {
    tanks.setFilter(kTanksInService);
    tanks.setSort("In_liters, Other");
    tanks.requery();
    std::vector<TankLine> lines;
    for (; !tanks.isEOF(); tanks.moveNext())
        lines.push_back({tankLine(tanks.m_In_liters, tanks.m_Other, emptyTankName), tanks.m_Cod, tanks.m_In_liters});
    return lines;
}

TankBook::TankBook(db::CFishesDoc& doc, core::Settings& settings)
    : doc_(doc), settings_(settings), finder_(*doc.db) {}

void TankBook::show() { rebuild(); }

void TankBook::rebuild() { lines_ = tanksInService(*doc_.tanks, settings_.Empty_tank); }

long TankBook::total() const {
    long sum = 0;
    for (const TankLine& l : lines_)
        if (l.litres >= 1) sum += l.litres;
    return sum;
}

std::optional<std::size_t> TankBook::lineOf(int cod) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].cod == cod) return i;
    return std::nullopt;
}

bool TankBook::selectLine(std::size_t line) {
    if (line >= lines_.size()) return false;
    db::Aquarium& r = *doc_.tanks;
    r.moveFromFirst(line);
    if (!r.isEOF() && r.m_Cod == lines_[line].cod) return true;
    // Someone else requeried the shared record object: read the tanks again.
    int cod = lines_[line].cod;
    rebuild();
    auto again = lineOf(cod);
    if (!again) return false;
    r.moveFromFirst(*again);
    return !r.isEOF();
}

bool TankBook::positionOn(int cod) {
    auto line = lineOf(cod);
    return line && selectLine(*line);
}

bool TankBook::hasTank() const { return !doc_.tanks->isEOF() && !doc_.tanks->isDeleted(); }

template <class F>
void TankBook::change(F set) {
    if (!hasTank()) return;
    db::Aquarium& r = *doc_.tanks;
    r.edit();
    set(r);
    r.update();
}

bool TankBook::setDimension(Dimension which, int millimetres) {
    if (!hasTank()) return false;
    db::Aquarium& r = *doc_.tanks;
    long long length = which == Dimension::Length ? millimetres : r.m_Size_length;
    long long height = which == Dimension::Height ? millimetres : r.m_Size_height;
    long long width = which == Dimension::Width ? millimetres : r.m_Size_width;
    long long litres = litresOf(length, height, width);
    if (millimetres < 0 || millimetres > kSmallMax || litres > kSmallMax) return false;
    const int cod = r.m_Cod;
    change([&](db::Aquarium& t) {
        t.m_Size_length = static_cast<int>(length);
        t.m_Size_height = static_cast<int>(height);
        t.m_Size_width = static_cast<int>(width);
        t.m_In_liters = static_cast<int>(litres);
    });
    rebuild();
    positionOn(cod);
    return true;
}

void TankBook::setName(const std::string& name) {
    change([&](db::Aquarium& t) { t.m_Other = name; });
    if (!hasTank()) return;
    for (TankLine& l : lines_)
        if (l.cod == doc_.tanks->m_Cod) l.text = tankLine(l.litres, name, settings_.Empty_tank);
}

void TankBook::setPrice(int cents) {
    change([&](db::Aquarium& t) { t.m_Price = cents; });
}

void TankBook::setPurchaseDate(std::time_t date) {
    change([&](db::Aquarium& t) { t.m_Date = date; });
}

int TankBook::addTank() {
    db::Aquarium& r = *doc_.tanks;
    r.addNew();
    r.m_Other = kNewMark;
    r.m_Date = std::time(nullptr);
    r.m_Date_out = core::notSetDate();
    r.update();
    const int cod = static_cast<int>(r.lastInsertedKey());
    // Found again by its code, so a tank that someone named "NEW!" is never taken for it.
    finder_.setFilter("Cod=" + std::to_string(cod));
    finder_.requery();
    if (!finder_.isEOF() && finder_.m_Other == kNewMark) {
        finder_.edit();
        finder_.m_Other.clear();
        finder_.update();
    }
    rebuild();
    positionOn(cod);
    return cod;
}

void TankBook::deleteSelected() {
    if (!hasTank()) return;
    doc_.tanks->deleteRow();
    rebuild();
}

int TankBook::saleProposal() const {
    if (!hasTank()) return 1;
    return doc_.tanks->m_Price == 0 ? 1 : doc_.tanks->m_Price;
}

void TankBook::sellSelected(int cents) {
    if (!hasTank()) return;
    change([&](db::Aquarium& t) {
        t.m_Price_out = cents;
        t.m_Date_out = std::time(nullptr);
    });
    rebuild();
}

void TankBook::choose() {
    if (hasTank()) settings_.Default_aquarium = doc_.tanks->m_Cod;
}

}  // namespace farm
