// The pieces the farm's report pages share: the green heading, the table
// tags, header rows and cells, the count and money texts, and reading the
// rows whose code is one of many.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace reports {

// "<p align=\"center\"><font color=\"#00A000\" size=\"5\"><b>" text "</b></font></p>\n"
std::string greenHeading(const std::string& text);

inline constexpr const char* kFramedTable =
    "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\" width=\"100%\" bordercolor=\"#A0A0A0\">\n";
// The same tag broken after the width.
inline constexpr const char* kFramedTableTwoLines =
    "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\" width=\"100%\"\nbordercolor=\"#A0A0A0\">\n";
inline constexpr const char* kPlainTable = "<table border=\"1\" width=\"100%\">\n";
inline constexpr const char* kDarkBackground = "#404040";

struct Column {
    std::string name;
    std::string width;  // "53%"; empty: none
};
// One row of header cells on the dark background, titles centred and bold.
std::string headRow(const std::vector<Column>& columns);

// "<td>" content "</td>\n"; with a width, "<td width=\"12%\">".
std::string cell(const std::string& content, const std::string& width = "");
// A row of the given cells: "<tr>\n" cells "</tr>\n".
std::string row(const std::string& cells);

// "<p align=\"center\">%lu".
std::string centred(std::int64_t n);
// As centred, but "&nbsp;" for 0 (the stock tables).
std::string stockCount(std::int64_t n);
// "%.2f" of cents / 100, without the dollar sign.
std::string amount(std::int64_t cents);
// "%d.%m.%Y".
std::string day(std::time_t t);

// Filters rs on `column IN (...)` a few hundred codes at a time, requeries
// and calls each() on every row; the rows come chunk by chunk.
template <class Records, class Each>
void forRowsWithCodes(Records& rs, const char* column, const std::vector<int>& codes, Each each);

// "Cod IN (1,2,3)" pieces of at most kCodesPerQuery codes.
inline constexpr std::size_t kCodesPerQuery = 500;
std::vector<std::string> inFilters(const char* column, std::vector<int> codes);

template <class Records, class Each>
void forRowsWithCodes(Records& rs, const char* column, const std::vector<int>& codes, Each each) {
    for (const std::string& filter : inFilters(column, codes)) {
        rs.setFilter(filter);
        rs.requery();
        for (; !rs.isEOF(); rs.moveNext()) each(rs);
    }
}

}  // namespace reports
