#include "reports/FarmReports.h"

#include <unordered_map>

#include "farm/LotNames.h"
#include "farm/TankBook.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

// ---- stock table ---------------------------------------------------------

struct StockLine {
    std::string name;
    std::time_t firstEat = 0;
    int fries = 0, males = 0, females = 0;
};

std::string stockHead() {
    return headRow({{"Latin name", "53%"}, {"First eat date", "20%"}, {"Juven", "9%"}, {"Males", "9%"}, {"Fem", "9%"}});
}

std::string stockRow(const StockLine& l) {
    return row(cell(l.name) + cell("<p align=\"center\">" + day(l.firstEat)) + cell(stockCount(l.fries)) +
               cell(stockCount(l.males)) + cell(stockCount(l.females)));
}

std::string tankRow(const std::string& tankText) {
    return row("<td colspan=\"5\" bgcolor=\"#008000\" height=\"27\"><p\n"
               "        align=\"center\"><b>Tank </b><font color=\"#000080\"><b>" +
               tankText +
               "</b></font><b>\n"
               "        litres</b></td>\n");
}

std::string farmTitle(const ReportContext& c) { return c.farmName + "'s fishfarm"; }

class FishesReport : public Report {
public:
    explicit FishesReport(ReportContext c) : c_(std::move(c)) {}
    std::string logTitle() const override { return "************** Fishes report *************"; }
    std::string output() const override { return "\\Reports\\fishes.html"; }
    std::string pageTitle() const override { return "<title>" + farmTitle(c_) + " </title>\n"; }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        db::Aquarium tanks(*c_.doc->db);
        const std::vector<farm::TankLine> inService = farm::tanksInService(tanks, c_.emptyTankName);
        const auto byTank = livingLotsByTank();
        out.write(greenHeading(farmTitle(c_)));
        out.write(kFramedTable);
        out.write(stockHead());
        for (const farm::TankLine& tank : inService) {
            out.write(tankRow(tank.text));
            item("Tank " + tank.text + " litres");
            auto lots = byTank.find(tank.cod);
            if (lots == byTank.end()) continue;
            for (const StockLine& lot : lots->second) {
                item(lot.name);
                out.write(stockRow(lot));
            }
        }
        out.write("</table>\n");
    }

private:
    // Every lot holding animals, in lot order, grouped by its tank: one read
    // for the whole farm instead of one per tank.
    std::unordered_map<int, std::vector<StockLine>> livingLotsByTank() {
        db::My_Fish lots(*c_.doc->db);
        lots.setFilter("Of_fish<>14 AND (Number_fries>0 OR Number_male>0 OR Number_female>0)");
        lots.setSort("Date_first_eat, Cod");
        lots.requery();
        std::vector<int> taxa;
        for (lots.moveFirst(); !lots.isEOF(); lots.moveNext()) taxa.push_back(lots.m_Of_fish);
        db::Fish taxonRows(*c_.doc->db);
        farm::TaxonNames names(taxonRows);
        names.prefetch(taxa);
        std::unordered_map<int, std::vector<StockLine>> byTank;
        for (lots.moveFirst(); !lots.isEOF(); lots.moveNext())
            byTank[lots.m_Of_aquarium].push_back({names.parent(lots.m_Of_fish, lots.m_Other), lots.m_Date_first_eat,
                                                   lots.m_Number_fries, lots.m_Number_male, lots.m_Number_female});
        return byTank;
    }

    ReportContext c_;
};

// ---- tank reports ----------------------------------------------------------

std::string tankReportOutput(const LotListChoice& choice) {
    switch (choice.view) {
    case farm::LotView::All: return "\\Reports\\all.html";
    case farm::LotView::Archive: return "\\Reports\\archive" + choice.archivePeriod + ".html";
    case farm::LotView::AllWithArchive: return "\\Reports\\allarc.html";
    case farm::LotView::Tank: break;
    }
    return "\\Reports\\tank" + std::to_string(choice.tankNumber) + ".html";
}

// The volume of the n-th tank in service (n from 1), as the combo lists them.
int volumeOfTankNumber(db::CFishesDoc& doc, int n) {
    db::Aquarium tanks(*doc.db);
    tanks.setFilter(farm::kTanksInService);
    tanks.setSort("In_liters, Other");
    tanks.requery();
    if (n < 1) return 0;
    tanks.moveFromFirst(static_cast<std::size_t>(n - 1));
    return tanks.isEOF() ? 0 : tanks.m_In_liters;
}

class TankReport : public Report {
public:
    TankReport(ReportContext c, const LotListChoice& choice, std::vector<int> lots)
        : c_(std::move(c)), output_(tankReportOutput(choice)), lots_(std::move(lots)) {
        heading_ = farmTitle(c_) + " ";
        if (choice.view == farm::LotView::Tank)
            heading_ += " (tank " + std::to_string(volumeOfTankNumber(*c_.doc, choice.tankNumber)) + " litres)";
    }
    std::string logTitle() const override { return ""; }
    std::string output() const override { return output_; }
    std::string pageTitle() const override { return "<title>" + heading_ + "</title>\n"; }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        out.write(greenHeading(heading_));
        out.write(kFramedTable);
        out.write(stockHead());
        db::My_Fish lots(*c_.doc->db);
        std::unordered_map<int, StockLine> byCod;
        std::unordered_map<int, std::pair<int, std::string>> species;  // lot: taxon, Other
        forRowsWithCodes(lots, "Cod", lots_, [&](db::My_Fish& l) {
            byCod[l.m_Cod] = {"", l.m_Date_first_eat, l.m_Number_fries, l.m_Number_male, l.m_Number_female};
            species[l.m_Cod] = {l.m_Of_fish, l.m_Other};
        });
        db::Fish taxonRows(*c_.doc->db);
        farm::TaxonNames names(taxonRows);
        std::vector<int> taxa;
        for (const auto& s : species) taxa.push_back(s.second.first);
        names.prefetch(taxa);
        for (int cod : lots_) {
            auto found = byCod.find(cod);
            if (found == byCod.end()) continue;
            StockLine line = found->second;
            line.name = names.display(species[cod].first, species[cod].second);
            item(line.name);
            out.write(stockRow(line));
        }
        out.write("</table>\n");
    }

private:
    ReportContext c_;
    std::string output_, heading_;
    std::vector<int> lots_;
};

// ---- spawning tables ---------------------------------------------------------

struct ParentLot {
    int taxon = 0;
    std::string other;
};

// The parent lots of the spawnings, by code.
std::unordered_map<int, ParentLot> parentLots(db::CFishesDoc& doc, const std::vector<int>& codes) {
    std::unordered_map<int, ParentLot> out;
    db::My_Fish lots(*doc.db);
    forRowsWithCodes(lots, "Cod", codes, [&](db::My_Fish& l) { out[l.m_Cod] = {l.m_Of_fish, l.m_Other}; });
    return out;
}

struct SpawningRow {
    int cod = 0, incubator = 0, father = 0, mother = 0;
    std::time_t eggsDate = 0;
    int eggs = 0, larvae = 0, fries = 0;
};

SpawningRow spawningRow(const db::Incubator& s) {
    return {s.m_Cod, s.m_Of_incubator, s.m_Of_father, s.m_Of_mother, s.m_Date_eggs,
            s.m_Number_eggs, s.m_Number_fries, s.m_Fries_out};
}

std::vector<int> parentsOf(const std::vector<SpawningRow>& rows) {
    std::vector<int> codes;
    for (const SpawningRow& r : rows) {
        codes.push_back(r.father);
        codes.push_back(r.mother);
    }
    return codes;
}

std::string spawningCells(const SpawningRow& s, const std::string& parents) {
    return cell(parents) + cell(centred(s.eggs)) + cell(centred(s.larvae)) + cell(centred(s.fries));
}

class SpawningsReport : public Report {
public:
    explicit SpawningsReport(ReportContext c) : c_(std::move(c)) {}
    std::string logTitle() const override { return "************** Spawnings report *************"; }
    std::string output() const override { return "\\Reports\\matings.html"; }
    std::string pageTitle() const override { return "<title>Spawnings of " + farmTitle(c_) + " </title>\n"; }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        db::Incubator spawnings(*c_.doc->db);
        spawnings.setFilter("Fries_out>=0");
        spawnings.setSort("Date_eggs, Cod");
        spawnings.requery();
        std::vector<SpawningRow> rows;
        for (; !spawnings.isEOF(); spawnings.moveNext()) rows.push_back(spawningRow(spawnings));
        const auto parents = parentLots(*c_.doc, parentsOf(rows));
        db::Fish taxonRows(*c_.doc->db);
        farm::TaxonNames names(taxonRows);
        std::vector<int> taxa;
        for (const auto& p : parents) taxa.push_back(p.second.taxon);
        names.prefetch(taxa);
        auto speciesOf = [&](int lot) {
            auto p = parents.find(lot);
            return p == parents.end() ? std::string() : names.species(p->second.taxon);
        };

        out.write(greenHeading("Spawnings of " + farmTitle(c_)));
        out.write(kFramedTableTwoLines);
        out.write(headRow({{"Parents", "73%"}, {"Eggs", "9%"}, {"Larvas", "9%"}, {"Fries", "9%"}}));
        for (const SpawningRow& s : rows) {
            std::string text = day(s.eggsDate) + ": " + speciesOf(s.father) + " x " + speciesOf(s.mother);
            item(text);
            out.write(row(spawningCells(s, text)));
        }
        out.write("</table>\n");
    }

private:
    ReportContext c_;
};

class IncubatorReport : public Report {
public:
    IncubatorReport(ReportContext c, bool archive, const std::string& period, std::vector<int> spawnings)
        : c_(std::move(c)),
          output_(archive ? "\\Reports\\incarc" + period + ".html" : "\\Reports\\incubator.html"),
          spawnings_(std::move(spawnings)) {}
    std::string logTitle() const override { return ""; }
    std::string output() const override { return output_; }
    std::string pageTitle() const override { return "<title>Spawnings of " + farmTitle(c_) + " </title>\n"; }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        db::Incubator records(*c_.doc->db);
        std::unordered_map<int, SpawningRow> byCod;
        forRowsWithCodes(records, "Cod", spawnings_, [&](db::Incubator& s) { byCod[s.m_Cod] = spawningRow(s); });
        std::vector<SpawningRow> rows;
        for (int cod : spawnings_) {
            auto found = byCod.find(cod);
            if (found != byCod.end()) rows.push_back(found->second);
        }
        const auto parents = parentLots(*c_.doc, parentsOf(rows));
        db::Fish taxonRows(*c_.doc->db);
        farm::TaxonNames names(taxonRows);
        std::vector<int> taxa;
        for (const auto& p : parents) taxa.push_back(p.second.taxon);
        names.prefetch(taxa);
        auto parentName = [&](int lot) {
            auto p = parents.find(lot);
            return p == parents.end() ? names.parent(0, "") : names.parent(p->second.taxon, p->second.other);
        };

        out.write(greenHeading("Spawnings of " + farmTitle(c_)));
        out.write(kFramedTable);
        out.write(headRow(
            {{"Inc", "3%"}, {"Parents", "70%"}, {"Eggs", "9%"}, {"Larvas", "9%"}, {"Fries", "9%"}}));
        for (const SpawningRow& s : rows) {
            std::string text = day(s.eggsDate) + ": " + parentName(s.father) + " x " + parentName(s.mother);
            item(text);
            out.write(row(cell(centred(s.incubator)) + spawningCells(s, text)));
        }
        out.write("</table>\n");
    }

private:
    ReportContext c_;
    std::string output_;
    std::vector<int> spawnings_;
};

}  // namespace

std::shared_ptr<Report> fishesReport(const ReportContext& context) { return std::make_shared<FishesReport>(context); }
std::shared_ptr<Report> spawningsReport(const ReportContext& context) {
    return std::make_shared<SpawningsReport>(context);
}

bool startFishesReport(ReportRunner& runner, const ReportContext& context) {
    return runner.start(fishesReport(context), context.env);
}
bool startSpawningsReport(ReportRunner& runner, const ReportContext& context) {
    return runner.start(spawningsReport(context), context.env);
}

std::unique_ptr<Report> tankReport(const ReportContext& context, const LotListChoice& choice, std::vector<int> lots) {
    return std::make_unique<TankReport>(context, choice, std::move(lots));
}

bool writeTankReport(const ReportContext& context, const LotListChoice& choice, const std::vector<int>& lots) {
    return writeAndShow(*tankReport(context, choice, lots), context.env);
}

std::unique_ptr<Report> incubatorReport(const ReportContext& context, bool archive, const std::string& period,
                                        std::vector<int> spawnings) {
    return std::make_unique<IncubatorReport>(context, archive, period, std::move(spawnings));
}

bool writeIncubatorReport(const ReportContext& context, bool archive, const std::string& period,
                          const std::vector<int>& spawnings) {
    return writeAndShow(*incubatorReport(context, archive, period, spawnings), context.env);
}

}  // namespace reports
