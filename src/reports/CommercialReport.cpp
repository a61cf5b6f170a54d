#include "reports/CommercialReport.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "catalogue/Taxonomy.h"
#include "farm/LotNames.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

constexpr int kSizeClasses = 5;
using Sizes = std::array<std::string, kSizeClasses>;

// What one size class of a species holds in one tank.
struct TankCount {
    int tank = 0;
    std::int64_t count = 0;
};
using SizeColumn = std::vector<TankCount>;

struct SpeciesStock {
    int taxon = 0;
    std::array<SizeColumn, kSizeClasses> columns;
};

// Adds a lot's animals to its tank's entry of the size class, or appends
// an entry for a tank the size class does not have yet. The lots come in
// tank order, so a tank's entry, when there is one, is the last.
void addToColumn(SizeColumn& column, int tank, std::int64_t count) {
    if (!column.empty() && column.back().tank == tank) column.back().count += count;
    else column.push_back({tank, count});
}

std::string sizeHeadRow(const Sizes& sizes) {
    static const char* const letters[kSizeClasses] = {"F", "FJ", "J", "JA", "A"};
    std::string cells = "<tr><td valign=\"top\" width=\"20%\" bgcolor=\"#404040\" colspan=\"2\" height=\"19\">\n";
    for (int i = 0; i < kSizeClasses; ++i) {
        if (i > 0) cells += "<td valign=\"top\" width=\"20%\" bgcolor=\"#404040\" height=\"19\" colspan=\"2\">\n";
        cells += std::string("<p align=\"center\"><b>") + letters[i] + " (" + sizes[i] + " mm)</b></td>";
        cells += i + 1 < kSizeClasses ? "\n" : "</tr>\n";
    }
    return cells;
}

constexpr const char* kTotalOpen = "<td width=\"10%\" bgcolor=\"#404040\" align=\"center\">";
constexpr const char* kEmptyTotal = "<p align=\"center\">&nbsp;</p></td>\n";

std::string totalCell(const SizeColumn& column) {
    if (column.empty()) return std::string(kTotalOpen) + kEmptyTotal;
    std::int64_t total = 0;
    for (const TankCount& entry : column) total += entry.count;
    return std::string(kTotalOpen) + "<b>" + std::to_string(total) + "</b></td>\n";
}

// "At all" under the first tank column, each size class's total under its
// count column, the other tank columns empty.
std::string totalsRow(const SpeciesStock& s) {
    std::string cells = std::string(kTotalOpen) + "\n<p align=\"center\"><b>At all</b></p></td>\n";
    for (int i = 0; i < kSizeClasses; ++i) {
        if (i > 0) cells += std::string(kTotalOpen) + kEmptyTotal;
        cells += totalCell(s.columns[i]);
    }
    return row(cells);
}

class CommercialReport : public Report {
public:
    explicit CommercialReport(ReportContext c) : c_(std::move(c)) {}
    std::string logTitle() const override { return "************** Commercial report *************"; }
    std::string output() const override { return "\\Reports\\commercial.html"; }
    std::string pageTitle() const override {
        return "<title>Commercial report of " + c_.farmName + "'s fishfarm </title>\n";
    }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        const std::vector<SpeciesStock> stock = livingStock();
        std::vector<int> taxa;
        for (const SpeciesStock& s : stock) taxa.push_back(s.taxon);
        db::Fish taxonRows(*c_.doc->db);
        farm::TaxonNames names(taxonRows);
        names.prefetch(taxa);
        readTankVolumes();
        readSizes(taxa);

        out.write(greenHeading("Commercial report of " + c_.farmName + "'s fishfarm"));
        for (const SpeciesStock& s : stock) {
            const std::string name = names.species(s.taxon);
            item(name);
            out.write(kPlainTable);
            out.write("<tr><td width=\"100%\" colspan=\"10\" bgcolor=\"#008000\">\n<p align=\"center\"><a href=\"" +
                      c_.env.wwwServer + classLink(names.classOf(s.taxon)) + "/m" + std::to_string(s.taxon) +
                      ".html\"><font color=\"#F0F000\" size=\"4\"><b>" + name + "</b></font></a></p></td></tr>\n");
            auto sizes = sizes_.find(s.taxon);
            out.write(sizeHeadRow(sizes == sizes_.end() ? Sizes{} : sizes->second));
            writeTankRows(out, s);
            out.write(totalsRow(s));
            out.write("</table>\n");
        }
    }

private:
    // The lots holding animals, species by species, each size class's
    // entries in tank order.
    std::vector<SpeciesStock> livingStock() {
        db::My_Fish l(*c_.doc->db);
        l.setFilter("Of_fish<>14 AND (Number_fries>0 OR Number_male>0 OR Number_female>0)");
        l.setSort("Of_fish,Of_aquarium");
        l.requery();
        std::vector<SpeciesStock> stock;
        for (; !l.isEOF(); l.moveNext()) {
            if (stock.empty() || stock.back().taxon != l.m_Of_fish) stock.push_back({l.m_Of_fish, {}});
            const int size = std::clamp(l.m_Size, 0, kSizeClasses - 1);
            addToColumn(stock.back().columns[size], l.m_Of_aquarium,
                        static_cast<std::int64_t>(l.m_Number_male) + l.m_Number_female + l.m_Number_fries);
        }
        return stock;
    }

    void readTankVolumes() {
        db::Aquarium t(*c_.doc->db);
        t.requery();
        for (; !t.isEOF(); t.moveNext()) volumes_[t.m_Cod] = t.m_In_liters;
    }

    void readSizes(const std::vector<int>& taxa) {
        db::Price card(*c_.doc->db);
        forRowsWithCodes(card, "Of_cod", taxa, [&](db::Price& p) {
            sizes_.emplace(p.m_Of_cod, Sizes{p.m_Size_s, p.m_Size_sm, p.m_Size_m, p.m_Size_ml, p.m_Size_l});
        });
    }

    std::string tankLabel(int tank) const {
        auto v = volumes_.find(tank);
        const int litres = v == volumes_.end() ? 0 : v->second;
        return litres == 0 ? c_.emptyTankName : std::to_string(litres) + " ltrs";
    }

    // Row k shows entry k of every size class; rows go on while any size
    // class has one left.
    void writeTankRows(site::PageOut& out, const SpeciesStock& s) const {
        std::size_t rows = 0;
        for (const SizeColumn& column : s.columns) rows = std::max(rows, column.size());
        for (std::size_t k = 0; k < rows; ++k) {
            std::string cells;
            for (const SizeColumn& column : s.columns) {
                if (k >= column.size()) {
                    cells += "<td width=\"10%\">&nbsp;</td><td width=\"10%\">&nbsp;</td>";
                    continue;
                }
                cells += "<td width=\"10%\" align=\"center\">" + tankLabel(column[k].tank) +
                         "</td>\n<td width=\"10%\" align=\"center\">" + std::to_string(column[k].count) + "</td>\n";
            }
            out.write(row(cells));
        }
    }

    // "/Classes/Pisces" for a fish: the class directory as the site names
    // it, with the web's separators. The classes are few; each is read once.
    std::string classLink(int classCode) {
        auto known = classLinks_.find(classCode);
        if (known != classLinks_.end()) return known->second;
        catalogue::Taxon cls;
        cls.cod = classCode;
        cls.classific = catalogue::kClassLevel;
        std::string link = catalogue::classDirectory(*c_.doc, cls);
        if (link.empty()) link = "\\Classes";
        std::replace(link.begin(), link.end(), '\\', '/');
        return classLinks_[classCode] = link;
    }

    ReportContext c_;
    std::unordered_map<int, int> volumes_;
    std::unordered_map<int, Sizes> sizes_;
    std::unordered_map<int, std::string> classLinks_;
};

}  // namespace

std::shared_ptr<Report> commercialReport(const ReportContext& context) {
    return std::make_shared<CommercialReport>(context);
}

bool startCommercialReport(ReportRunner& runner, const ReportContext& context) {
    return runner.start(commercialReport(context), context.env);
}

}  // namespace reports
