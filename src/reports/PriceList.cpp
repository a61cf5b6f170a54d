#include "reports/PriceList.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "core/ClassCodes.h"
#include "core/WorkPaths.h"
#include "farm/LotNames.h"
#include "reports/PageParts.h"

namespace reports {

std::int64_t StockCount::total() const {
    std::int64_t sum = 0;
    for (std::int64_t n : bySize) sum += n;
    return sum;
}

bool classHasHeading(int classCode) {
    return classCode == core::kDicotyledons || classCode == core::kMonocotyledons || classCode == core::kFerns ||
           classCode == core::kCrustaceans;
}

std::string stockLogLine(const SpeciesStock& row) {
    return "       " + row.name + " " + (row.common.empty() ? std::string() : "(" + row.common + ")");
}

std::string noPriceWarning(const SpeciesStock& row) { return "Warning! Species " + row.name + " has not price!"; }

void sortByClassAndName(std::vector<SpeciesStock>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const SpeciesStock& a, const SpeciesStock& b) {
        if (a.classCode != b.classCode) return a.classCode < b.classCode;
        return a.name < b.name;
    });
}

std::unordered_map<int, std::string> commonNamesOf(db::CFishesDoc& doc, const std::vector<int>& taxa, int language) {
    std::unordered_map<int, std::string> names;
    db::Common common(*doc.db);
    for (const std::string& filter : inFilters("Of_fish", taxa)) {
        common.setFilter(filter + " AND Language=" + std::to_string(language));
        common.requery();
        // The first name, as the catalogue shows it.
        for (; !common.isEOF(); common.moveNext()) names.emplace(common.m_Of_fish, common.m_Name);
    }
    return names;
}

std::string wideRow(const char* colspan, const char* colour, const std::string& text) {
    return std::string("<tr><td width=\"100%\" colspan=\"") + colspan + "\"><p align=\"center\"><font color=\"" +
           colour + "\" size=\"4\"><b>" + text + "</b></font></p></td></tr>\n";
}

std::string headCell(const char* width, const std::string& head) {
    return std::string("<td width=\"") + width + "\" bgcolor=\"#404040\">\n<p align=\"center\"><font size=\"4\"><b>" +
           head + "</b></font></p></td>\n";
}

namespace {

// ---- reading ---------------------------------------------------------------

// The leading decimal number of a habitat list ("17,23" gives 17); 0 when none.
int firstHabitat(const std::string& list) {
    const std::string first = list.substr(0, list.find(','));
    std::size_t i = first.find_first_not_of(" \t");
    if (i == std::string::npos || first[i] < '0' || first[i] > '9') return 0;
    long value = 0;
    for (; i < first.size() && first[i] >= '0' && first[i] <= '9' && value < 100000000; ++i)
        value = value * 10 + (first[i] - '0');
    return static_cast<int>(value);
}

void addLot(SpeciesStock& row, const db::My_Fish& lot) {
    const int size = std::clamp(lot.m_Size, 0, kSizeClassCount - 1);
    StockCount& side = lot.m_Forsale ? row.forSale : row.held;
    side.bySize[size] += static_cast<std::int64_t>(lot.m_Number_male) + lot.m_Number_female + lot.m_Number_fries;
    if (size == kAdultSize) {
        side.adultMales += lot.m_Number_male;
        side.adultFemales += lot.m_Number_female;
    }
    if (!lot.m_Forsale) row.heldPrice[size] = lot.m_Price;
}

PriceCardRow cardOf(const db::Price& p) {
    PriceCardRow c;
    c.size = {p.m_Size_s, p.m_Size_sm, p.m_Size_m, p.m_Size_ml, p.m_Size_l};
    c.retail = {p.m_Price_s, p.m_Price_sm, p.m_Price_m, p.m_Price_ml, p.m_Price_l};
    c.wholesale = {p.m_Price_s_ws, p.m_Price_sm_ws, p.m_Price_m_ws, p.m_Price_ml_ws, p.m_Price_l_ws};
    return c;
}

// Names, common names, habitats and price cards of every row, a few
// hundred species per query.
void completeRows(db::CFishesDoc& doc, int language, std::vector<SpeciesStock>& rows,
                  std::unordered_map<int, std::size_t>& index) {
    std::vector<int> codes;
    for (const SpeciesStock& r : rows) codes.push_back(r.species);
    db::Fish taxa(*doc.db);
    farm::TaxonNames names(taxa);
    names.prefetch(codes);
    for (SpeciesStock& r : rows) {
        r.name = names.species(r.species);
        r.classCode = names.classOf(r.species);
    }
    const std::unordered_map<int, std::string> common = commonNamesOf(doc, codes, language);
    for (SpeciesStock& r : rows) {
        auto it = common.find(r.species);
        if (it != common.end()) r.common = it->second;
    }
    db::Fishes cards(*doc.db);
    forRowsWithCodes(cards, "Of_fish", codes, [&](db::Fishes& c) {
        SpeciesStock& r = rows[index.at(c.m_Of_fish)];
        r.habitat = firstHabitat(c.m_Habitat);
    });
    db::Price prices(*doc.db);
    forRowsWithCodes(prices, "Of_cod", codes, [&](db::Price& p) {
        SpeciesStock& r = rows[index.at(p.m_Of_cod)];
        r.hasCard = true;
        r.card = cardOf(p);
    });
}

// The young still in the incubator from spawnings fathered by a lot of the
// species that holds males.
void addYoungInIncubator(db::CFishesDoc& doc, const std::unordered_map<int, int>& speciesOfMaleLot,
                         std::vector<SpeciesStock>& rows, const std::unordered_map<int, std::size_t>& index) {
    std::vector<int> fathers;
    for (const auto& [lot, species] : speciesOfMaleLot) fathers.push_back(lot);
    db::Incubator spawnings(*doc.db);
    for (const std::string& filter : inFilters("Of_father", fathers)) {
        spawnings.setFilter(filter + " AND Fries_out=0 AND Date_fries>#01/01/1980#");
        spawnings.requery();
        for (; !spawnings.isEOF(); spawnings.moveNext())
            if (spawnings.m_Number_fries > 0)
                rows[index.at(speciesOfMaleLot.at(spawnings.m_Of_father))].youngInIncubator +=
                    spawnings.m_Number_fries;
    }
}

}  // namespace

std::vector<SpeciesStock> readStock(db::CFishesDoc& doc, int language, const std::string& extraFilter) {
    db::My_Fish lots(*doc.db);
    std::string filter = "Of_fish<>14 AND (Number_fries>0 OR Number_male>0 OR Number_female>0)";
    if (!extraFilter.empty()) filter += " AND " + extraFilter;
    lots.setFilter(filter);
    lots.setSort("Of_fish");
    lots.requery();
    std::vector<SpeciesStock> rows;
    std::unordered_map<int, std::size_t> index;
    std::unordered_map<int, int> speciesOfMaleLot;
    for (; !lots.isEOF(); lots.moveNext()) {
        auto [it, added] = index.emplace(lots.m_Of_fish, rows.size());
        if (added) {
            rows.emplace_back();
            rows.back().species = lots.m_Of_fish;
        }
        addLot(rows[it->second], lots);
        if (lots.m_Number_male > 0) speciesOfMaleLot[lots.m_Cod] = lots.m_Of_fish;
    }
    if (rows.empty()) return rows;
    completeRows(doc, language, rows, index);
    addYoungInIncubator(doc, speciesOfMaleLot, rows, index);
    return rows;
}

site::PageRequest ownTemplatePage(const site::SiteEnv& env, const std::string& output, const std::string& title,
                                  const std::string& templatePath) {
    site::PageRequest page;
    page.output = env.path(output);
    page.title = title;
    page.frame = {false, env.wwwServer + "/", ""};
    page.templatePath = templatePath;
    page.templateBodyLast = true;
    return page;
}

namespace {

// ---- the page ----------------------------------------------------------------

constexpr const char* kEuro = " €";
constexpr const char* kGroupColour = "#FFAA00";
constexpr const char* kClassColour = "#00F000";
constexpr int kOtherFishes = 24;

struct Words {
    const char* nameHead;
    const char* millimetres;
    const char* pieces;
};

Words wordsOf(int language) {
    if (language == 0) return {"Name", " mm", " on."};
    return {"Название", " мм", " шт."};
}

// The price list keeps six groups of its own, the review list three.
int groupOf(int habitat, PriceListKind kind) {
    static const int kCustomerGroups[] = {17, 18, 19, 23, 79, 124};
    static const int kReviewGroups[] = {17, 18, 23};
    const int* first = kind == PriceListKind::Customers ? std::begin(kCustomerGroups) : std::begin(kReviewGroups);
    const int* last = kind == PriceListKind::Customers ? std::end(kCustomerGroups) : std::end(kReviewGroups);
    return std::find(first, last, habitat) != last ? habitat : kOtherFishes;
}

const char* groupHeading(int group) {
    switch (group) {
    case 17: return "Озеро Танганьика";
    case 18: return "Озеро Малави";
    case 19: return "Дискусы";
    case 23: return "Виктория и другие озера Африки";
    case 79: return "Кои";
    case 124: return "Гуппи и другая живородка";
    default: return "Прочие рыбы";
    }
}

const char* classHeading(int classCode) {
    switch (classCode) {
    case core::kDicotyledons: return "Растения двудольные";
    case core::kMonocotyledons: return "Растения однодольные";
    case core::kFerns: return "Папоротники";
    case core::kCrustaceans: return "Ракообразные";
    default: return "Рыбы";
    }
}

class PriceListReport : public Report {
public:
    PriceListReport(ReportContext c, PriceListKind kind) : c_(std::move(c)), kind_(kind), words_(wordsOf(c_.env.language)) {}

    std::string logTitle() const override { return kPriceListLogTitle; }
    std::string output() const override {
        const bool english = c_.env.language == 0;
        if (kind_ == PriceListKind::Customers) return english ? "\\Reports\\price.html" : "\\Reports\\pricer.html";
        return english ? "\\Reports\\priceall.html" : "\\Reports\\pricrall.html";
    }
    std::string pageTitle() const override {
        return "<title>Price list of " + c_.farmName + " from " + day(env_.now()) + "</title>\n";
    }

    bool produce(const site::SiteEnv& env, const ItemLog& item) override {
        env_ = env;
        const std::string templ = kind_ == PriceListKind::Customers ? "\\for_price.html" : "\\for_priceall.html";
        const site::PageRequest page = ownTemplatePage(env, output(), pageTitle(), templ);
        std::error_code ec;
        std::filesystem::create_directories(page.output.parent_path(), ec);
        const bool written = site::writePage(env, page, [&](site::PageOut& out) { writeBody(out, item); });
        if (written) site::showPage(env, page.output.string());
        return written;
    }

    void writeBody(site::PageOut& out, const ItemLog& item) override {
        std::vector<SpeciesStock> rows = readStock(*c_.doc, c_.env.language, "");
        for (const SpeciesStock& r : rows) {
            item(stockLogLine(r));
            if (!r.hasCard) env_.tell(noPriceWarning(r));
        }
        sortRows(rows);
        const std::string& www = env_.wwwServer;
        out.write("<p align=\"center\"><a href=\"" + www + "/program.html\">\n" + "<img src=\"" + www +
                  "/logo.gif\" border=\"0\" alt=\"Reed Mere\"></a><br>\n</p>\n");
        out.write(heading());
        out.write(tableHead());
        std::array<std::int64_t, 6> totals{};
        writeRows(out, rows, totals);
        out.write(totalsRow(totals));
        out.write("</table>\n");
    }

private:
    void sortRows(std::vector<SpeciesStock>& rows) const {
        sortByClassAndName(rows);
        if (rows.empty()) return;
        const int firstClass = rows.front().classCode;
        auto end = std::find_if(rows.begin(), rows.end(), [&](const SpeciesStock& r) { return r.classCode != firstClass; });
        std::stable_sort(rows.begin(), end, [this](const SpeciesStock& a, const SpeciesStock& b) {
            return groupOf(a.habitat, kind_) < groupOf(b.habitat, kind_);
        });
    }

    std::string heading() const {
        const std::string date = day(env_.now());
        const std::string open = "<p align=\"center\"><font color=\"#00A000\" size=\"5\"><b>";
        const std::string dated = "</font><font color=\"#A0A000\" size=\"5\">" + date + "</b></font></p>\n";
        if (c_.env.language == 0) return open + "Price list of " + c_.farmName + " from " + dated;
        return open + c_.farmName + " на " + dated;
    }

    std::string tableHead() const {
        std::string head = kPlainTable;
        const bool customers = kind_ == PriceListKind::Customers;
        head += std::string("<tr><td width=\"") + (customers ? "25%" : "30%") + "\" bgcolor=\"#404040\">\n" +
                "<p align=\"center\"><font size=\"4\"><b>" + words_.nameHead + "</b></font></p></td>\n";
        if (!customers) head += headCell("10%", "L");
        for (const char* h : {"F", "FJ", "J", "JA"}) head += headCell("12%", h);
        if (customers) {
            head += headCell("12%", "A (m+f)");
            head += "<td width=\"15%\" bgcolor=\"#404040\">\n"
                    "<p align=\"center\"><font size=\"4\"><b>H (m+f)</b></font></p></td></tr>\n";
        } else {
            std::string last = headCell("12%", "A (m+f)");
            last.insert(last.size() - 1, "</tr>");
            head += last;
        }
        return head;
    }

    // Each species' class directory on the web site, read once per class.
    std::string classPath(int classCode) {
        auto it = classPaths_.find(classCode);
        if (it != classPaths_.end()) return it->second;
        db::Fish taxa(*c_.doc->db);
        taxa.setFilter("Cod=" + std::to_string(classCode));
        taxa.requery();
        std::string path = "/Classes";
        if (!taxa.isEOF()) path += "/" + core::classDirectoryName(taxa.m_Lat_name);
        return classPaths_[classCode] = path;
    }

    void writeRows(site::PageOut& out, const std::vector<SpeciesStock>& rows, std::array<std::int64_t, 6>& totals) {
        int previousClass = core::kFishes;
        int previousGroup = -1;
        const int firstClass = rows.empty() ? 0 : rows.front().classCode;
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const SpeciesStock& r = rows[n];
            if (n == 0) out.write(wideRow("20", kClassColour, "Рыбы"));
            if (r.classCode != previousClass && classHasHeading(r.classCode))
                out.write(wideRow("22", kClassColour, classHeading(r.classCode)));
            previousClass = r.classCode;
            // Only the first class is arranged by groups.
            const int group = groupOf(r.habitat, kind_);
            if (r.classCode == firstClass && group != previousGroup) {
                out.write(wideRow("22", kGroupColour, groupHeading(group)));
                previousGroup = group;
            }
            out.write(nameCell(n + 1, r));
            const std::array<std::string, 6> cells = kind_ == PriceListKind::Customers ? customerCells(r) : reviewCells(r);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const bool shaded = kind_ == PriceListKind::Customers && i == 5 && !cells[i].empty();
                out.write(std::string(shaded ? "<td bgcolor=\"#303030\">" : "<td>") + "<p align=\"center\">" + cells[i] +
                          "</td>\n");
            }
            out.write("</tr>");
            addTotals(r, totals);
        }
    }

    std::string nameCell(std::size_t number, const SpeciesStock& r) {
        std::string text = "<tr><td>\n<p align=\"left\">" + std::to_string(number) + ". <a href=\"" + env_.wwwServer +
                           classPath(r.classCode) + "/m" + std::to_string(r.species) +
                           ".html\"><font color=\"#F0F000\" size=\"4\"><b>" + r.name;
        if (r.common.empty()) return text + "</b></font></a></p></td>\n";
        return text + "</b></font></a><br>&nbsp;&nbsp;&nbsp;&nbsp;(" + r.common + ")</p></td>\n";
    }

    // ---- cells ----

    std::string sizeLine(const SpeciesStock& r, int size) const {
        return r.hasCard ? r.card.size[size] + words_.millimetres : std::string();
    }
    // The card's two prices; a species without a card shows none.
    static std::string cardPrices(const SpeciesStock& r, int size) {
        if (!r.hasCard) return "(-)";
        return "(" + amount(r.card.retail[size]) + "-" + amount(r.card.wholesale[size]) + kEuro + ")";
    }
    std::string count(std::int64_t n) const {
        return "<br>\n<font color=\"#00F0F0\">" + std::to_string(n) + words_.pieces + " </font>";
    }
    static std::string pair(const StockCount& s) {
        return "<font color=\"#80FF80\"> (" + std::to_string(s.adultMales) + "+" + std::to_string(s.adultFemales) +
               ")</font>";
    }
    static bool sexed(const StockCount& s) { return s.adultMales + s.adultFemales > 0; }

    std::string forSaleCell(const SpeciesStock& r, int size) const {
        const std::int64_t n = r.forSale.bySize[size];
        std::string pairText = size == kAdultSize && sexed(r.forSale) ? pair(r.forSale) : std::string();
        return "<font size=\"2\">" + sizeLine(r, size) + pairText + count(n) + cardPrices(r, size) + "</font>";
    }

    std::string heldCell(const SpeciesStock& r) const {
        const StockCount& h = r.held;
        if (h.total() == 0) return "";
        std::string text = "<font size=\"2\">";
        for (int size = 0; size < kAdultSize; ++size) {
            if (h.bySize[size] == 0) continue;
            text += sizeLine(r, size) + "\n<font color=\"#00F0F0\">" + std::to_string(h.bySize[size]) + words_.pieces +
                    " </font>(" + amount(r.heldPrice[size]) + kEuro + ")<br>";
        }
        if (h.bySize[kAdultSize] > 0) {
            const std::string adults = sexed(h) ? std::to_string(h.adultMales) + "+" + std::to_string(h.adultFemales)
                                                : std::to_string(h.bySize[kAdultSize]);
            text += sizeLine(r, kAdultSize) + "\n<font color=\"#00F0F0\">" + adults + words_.pieces + " </font>(" +
                    amount(r.heldPrice[kAdultSize]) + kEuro + ")";
            if (sexed(h) && h.unsexedAdults() > 0)
                text += "<br>+ n/a <font color=\"#00F0F0\">" + std::to_string(h.unsexedAdults()) + "</font>";
        }
        return text + "</font>";
    }

    std::array<std::string, 6> customerCells(const SpeciesStock& r) const {
        std::array<std::string, 6> cells;
        for (int size = 0; size < kSizeClassCount; ++size)
            if (r.forSale.bySize[size] > 0) cells[size] = forSaleCell(r, size);
        cells[5] = heldCell(r);
        return cells;
    }

    std::array<std::string, 6> reviewCells(const SpeciesStock& r) const {
        std::array<std::string, 6> cells;
        cells[0] = r.youngInIncubator > 0 ? "<font size=\"2\" color=\"#00F0F0\">" + std::to_string(r.youngInIncubator) + " </font>"
                                          : "<font size=\"2\" color=\"#00F0F0\">-</font>";
        for (int size = 0; size < kSizeClassCount; ++size) {
            if (r.forSale.bySize[size] > 0) {
                cells[size + 1] = forSaleCell(r, size);
            } else {
                cells[size + 1] = "<font size=\"2\">" + sizeLine(r, size) + "<br>\n<font color=\"#00F0F0\">-</font>" +
                                  cardPrices(r, size) + "</font>";
            }
        }
        return cells;
    }

    void addTotals(const SpeciesStock& r, std::array<std::int64_t, 6>& totals) const {
        if (kind_ == PriceListKind::Customers) {
            for (int size = 0; size < kSizeClassCount; ++size) totals[size] += r.forSale.bySize[size];
            totals[5] += r.held.total();
        } else {
            totals[0] += r.youngInIncubator;
            for (int size = 0; size < kSizeClassCount; ++size) totals[size + 1] += r.forSale.bySize[size];
        }
    }

    std::string totalsRow(const std::array<std::int64_t, 6>& totals) const {
        std::string text = "<tr><td bgcolor=\"#404040\">\n"
                           "<p align=\"center\"><font color=\"#FFFF00\" size=\"4\"><b>Итого (суммы)</b></font></p></td>\n";
        for (std::size_t i = 0; i < totals.size(); ++i) {
            std::string total;
            if (totals[i] != 0) {
                total = "<font color=\"#00F0F0\">" + std::to_string(totals[i]) + words_.pieces;
                if (kind_ == PriceListKind::Customers && i == 5) total += " </font>";
            }
            text += "<td bgcolor=\"#404040\">\n<p align=\"center\">" + total + "</td>\n";
        }
        return text + "</tr>\n";
    }

    ReportContext c_;
    PriceListKind kind_;
    Words words_;
    site::SiteEnv env_;
    std::unordered_map<int, std::string> classPaths_;
};

}  // namespace

std::shared_ptr<Report> priceList(const ReportContext& context, PriceListKind kind) {
    return std::make_shared<PriceListReport>(context, kind);
}

bool startPriceList(ReportRunner& runner, const ReportContext& context, PriceListKind kind) {
    return runner.start(priceList(context, kind), context.env);
}

}  // namespace reports
