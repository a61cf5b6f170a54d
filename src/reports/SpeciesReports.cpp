#include "reports/SpeciesReports.h"

#include <algorithm>
#include <unordered_map>

#include "farm/LotNames.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

constexpr const char* kWidth = "12%";
constexpr const char* kUnits = " уе";
constexpr int kSizeClasses = 5;
constexpr int kBoughtSpawning = 2;

struct TankRow {
    int litres = 0;
    std::string other;
};

struct SpawningDates {
    std::time_t eggs = 0, larvae = 0;
};

std::string centredCell(const std::string& text) { return cell("<p align=\"center\">" + text, kWidth); }

}  // namespace

struct SpeciesReport::Lot {
    int cod = 0, tank = 0, spawning = 0, size = 0;
    std::int64_t living = 0, saled = 0, gifted = 0, died = 0, income = 0, outgo = 0;
    std::time_t firstEat = 0;
};

SpeciesReport::SpeciesReport(ReportContext context, int taxon, bool complete)
    : c_(std::move(context)), taxon_(taxon), complete_(complete) {
    db::Fish taxonRows(*c_.doc->db);
    species_ = farm::TaxonNames(taxonRows).species(taxon_);
}

std::string SpeciesReport::output() const { return complete_ ? "\\Reports\\stat.html" : "\\Reports\\species.html"; }

std::string SpeciesReport::pageTitle() const {
    return std::string("<title>") + (complete_ ? "Complete report for " : "Report for ") + species_ + " </title>\n";
}

std::vector<SpeciesReport::Lot> SpeciesReport::readLots() {
    db::My_Fish l(*c_.doc->db);
    std::string filter = "Of_fish=" + std::to_string(taxon_);
    if (!complete_) filter += " AND (Number_female+Number_fries+Number_male>0)";
    l.setFilter(filter);
    l.setSort("Date_first_eat, Cod");
    l.requery();
    std::vector<Lot> lots;
    for (; !l.isEOF(); l.moveNext()) {
        Lot lot;
        lot.cod = l.m_Cod;
        lot.tank = l.m_Of_aquarium;
        lot.spawning = l.m_Of_fry;
        lot.size = l.m_Size;
        lot.living = static_cast<std::int64_t>(l.m_Number_fries) + l.m_Number_male + l.m_Number_female;
        lot.saled = l.m_Saled;
        lot.gifted = l.m_Gifted;
        lot.died = l.m_Died;
        lot.income = l.m_Income;
        lot.outgo = l.m_Outgo;
        lot.firstEat = l.m_Date_first_eat;
        lots.push_back(lot);
    }
    return lots;
}

std::string SpeciesReport::sizeHead() {
    // A species without a price card still gets the headers, with empty sizes.
    std::string sizes[kSizeClasses];
    db::Price card(*c_.doc->db);
    card.setFilter("Of_cod=" + std::to_string(taxon_));
    card.requery();
    if (!card.isEOF()) {
        const std::string found[kSizeClasses] = {card.m_Size_s, card.m_Size_sm, card.m_Size_m, card.m_Size_ml,
                                                 card.m_Size_l};
        std::copy(found, found + kSizeClasses, sizes);
    }
    const char* letters[kSizeClasses] = {"F", "FJ", "J", "JA", "A"};
    std::vector<Column> columns;
    for (int i = 0; i < kSizeClasses; ++i) columns.push_back({std::string(letters[i]) + " (" + sizes[i] + " mm)", kWidth});
    for (const char* name : {"From spawn", "Larvas date", "Date first eat"}) columns.push_back({name, kWidth});
    return headRow(columns);
}

void SpeciesReport::writeBody(site::PageOut& out, const ItemLog& item) {
    const std::vector<Lot> lots = readLots();
    std::vector<int> tankCodes, spawningCodes;
    for (const Lot& lot : lots) {
        if (lot.living <= 0) continue;
        tankCodes.push_back(lot.tank);
        spawningCodes.push_back(lot.spawning);
    }
    std::unordered_map<int, TankRow> tanks;
    db::Aquarium tankRows(*c_.doc->db);
    forRowsWithCodes(tankRows, "Cod", tankCodes,
                     [&](db::Aquarium& t) { tanks[t.m_Cod] = {t.m_In_liters, t.m_Other}; });
    std::unordered_map<int, SpawningDates> spawnings;
    db::Incubator spawningRows(*c_.doc->db);
    forRowsWithCodes(spawningRows, "Cod", spawningCodes,
                     [&](db::Incubator& s) { spawnings[s.m_Cod] = {s.m_Date_eggs, s.m_Date_fries}; });

    out.write(greenHeading((complete_ ? "Complete report for " : "Report for ") + species_));
    out.write(kPlainTable);
    out.write(sizeHead());
    for (const Lot& lot : lots) {
        if (lot.living <= 0) continue;
        const TankRow tank = tanks.count(lot.tank) ? tanks[lot.tank] : TankRow{};
        std::string tankText = tank.litres < 1 ? c_.emptyTankName
                               : complete_     ? std::to_string(tank.litres) + " ltrs"
                                               : std::to_string(tank.litres) + " l. " + tank.other;
        item(species_ + " (" + tankText + ")");
        const int column = std::clamp(lot.size, 0, kSizeClasses - 1);
        std::string cells;
        for (int i = 0; i < kSizeClasses; ++i)
            cells += i != column ? cell("&nbsp;", kWidth)
                                 : cell("<p align=\"center\"><font color=\"#F0F000\">" + std::to_string(lot.living) +
                                            "</font> (" + tankText + ")",
                                        kWidth);
        if (lot.spawning == kBoughtSpawning) {
            cells += centredCell("Buyed") + centredCell("Buyed");
        } else {
            auto s = spawnings.find(lot.spawning);
            cells += s == spawnings.end() ? centredCell("&nbsp;") + centredCell("&nbsp;")
                                          : centredCell(day(s->second.eggs)) + centredCell(day(s->second.larvae));
        }
        cells += centredCell(day(lot.firstEat));
        out.write(row(cells));
    }
    out.write("</table>\n");
    if (complete_) writeSummary(out, lots);
}

void SpeciesReport::writeSummary(site::PageOut& out, const std::vector<Lot>& lots) {
    summary_ = {};
    std::vector<int> codes;
    for (const Lot& lot : lots) {
        codes.push_back(lot.cod);
        const std::int64_t total = lot.saled + lot.gifted + lot.died + lot.living;
        if (lot.income > 0) {
            summary_.bought += total;
            summary_.boughtCents += total * lot.income;
        }
        summary_.sold += lot.saled;
        summary_.soldCents += lot.saled * lot.outgo;
        summary_.dead += lot.died;
        summary_.gifted += lot.gifted;
    }
    // The species' breeding: the spawnings its lots fathered.
    db::Incubator spawnings(*c_.doc->db);
    forRowsWithCodes(spawnings, "Of_father", codes, [&](db::Incubator& s) {
        summary_.eggs += s.m_Number_eggs;
        summary_.larvae += s.m_Number_fries;
        summary_.born += s.m_Fries_out;
    });
    out.write(kPlainTable);
    std::vector<Column> heads;
    for (const char* name : {"Buyed", "For summa", "Sold", "For summa", "Dead", "Gifted", "Eggs/Larvas", "Born"})
        heads.push_back({name, kWidth});
    out.write(headRow(heads));
    const SpeciesSummary& s = summary_;
    out.write(row(centredCell(std::to_string(s.bought)) + centredCell(amount(s.boughtCents) + kUnits) +
                  centredCell(std::to_string(s.sold)) + centredCell(amount(s.soldCents) + kUnits) +
                  centredCell(std::to_string(s.dead)) + centredCell(std::to_string(s.gifted)) +
                  centredCell(std::to_string(s.eggs) + "/" + std::to_string(s.larvae)) +
                  centredCell(std::to_string(s.born))));
    out.write("</table>\n");
}

bool writeSpeciesReport(const ReportContext& context, int taxon) {
    SpeciesReport report(context, taxon, false);
    return writeAndShow(report, context.env);
}

bool writeCompleteReport(const ReportContext& context, int taxon) {
    SpeciesReport report(context, taxon, true);
    return writeAndShow(report, context.env);
}

}  // namespace reports
