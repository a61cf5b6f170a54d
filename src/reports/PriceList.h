// The farm's offer of living stock: the price list for customers and the
// review price list (with the young in the incubator), one row per species,
// each built from its own template in the work directory with every link and
// image pointing at the web site. The species rows are shared with the
// bulletin file.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

inline constexpr const char* kPriceListLogTitle = "************** Price List *************";
inline constexpr int kSizeClassCount = 5;  // F, FJ, J, JA, A
inline constexpr int kAdultSize = 4;

// A species' price card: per size class the size text and the retail and
// wholesale prices in cents.
struct PriceCardRow {
    std::array<std::string, kSizeClassCount> size;
    std::array<std::int64_t, kSizeClassCount> retail{}, wholesale{};
};

// The animals of one side (for sale, or held) of one species.
struct StockCount {
    std::array<std::int64_t, kSizeClassCount> bySize{};  // males + females + fries of lots of that size
    std::int64_t adultMales = 0, adultFemales = 0;
    std::int64_t total() const;
    std::int64_t unsexedAdults() const { return bySize[kAdultSize] - adultMales - adultFemales; }
};

// One species with living lots.
struct SpeciesStock {
    int species = 0, classCode = 0;
    int habitat = 0;     // the first entry of the care card's habitat list; 0 when none
    std::string name;    // Latin names from the genus (or subgenus) down
    std::string common;  // in the interface language; empty when none
    StockCount forSale, held;
    std::array<std::int64_t, kSizeClassCount> heldPrice{};  // the last held lot's own price per size
    std::int64_t youngInIncubator = 0;
    bool hasCard = false;
    PriceCardRow card;
};

// Reads the living lots that pass extraFilter (empty: all), one entry per
// species in species-code order, with names, class, counts and price card.
std::vector<SpeciesStock> readStock(db::CFishesDoc& doc, int language, const std::string& extraFilter);

// By class code, then by Latin name in byte order.
void sortByClassAndName(std::vector<SpeciesStock>& rows);

// The progress line of a species: seven blanks, the name, a blank and the
// common name in brackets (or nothing).
std::string stockLogLine(const SpeciesStock& row);
// "Warning! Species " + name + " has not price!"
std::string noPriceWarning(const SpeciesStock& row);

// The classes that get a heading of their own after the fishes: dicots,
// monocots, ferns and crustaceans.
bool classHasHeading(int classCode);

enum class PriceListKind {
    Customers,  // "Price-list": "\Reports\price.html", template "\for_price.html"
    Review,     // "Review price-list": "\Reports\priceall.html", template "\for_priceall.html"
};

std::shared_ptr<Report> priceList(const ReportContext& context, PriceListKind kind);
bool startPriceList(ReportRunner& runner, const ReportContext& context, PriceListKind kind);

// The common names of the taxa in a language: the first of each.
std::unordered_map<int, std::string> commonNamesOf(db::CFishesDoc& doc, const std::vector<int>& taxa, int language);

// A full-width heading row: "<tr><td width=\"100%\" colspan=\"22\">..." in
// the colour, text bold at size 4.
std::string wideRow(const char* colspan, const char* colour, const std::string& text);
// A column head on the dark background: "<td width=...>\n<p align=\"center\"><font size=\"4\"><b>" ...
std::string headCell(const char* width, const std::string& head);

// The frame of the pages with a template of their own: no header block, the
// stamp image from the web site, the template's body after the generated one.
site::PageRequest ownTemplatePage(const site::SiteEnv& env, const std::string& output, const std::string& title,
                                  const std::string& templatePath);

}  // namespace reports
