#include "reports/PageParts.h"

#include <algorithm>

#include "core/Dates.h"
#include "farm/Balance.h"

namespace reports {

std::string greenHeading(const std::string& text) {
    return "<p align=\"center\"><font color=\"#00A000\" size=\"5\"><b>" + text + "</b></font></p>\n";
}

std::string headRow(const std::vector<Column>& columns) {
    std::string cells;
    for (const Column& c : columns) {
        cells += "<td";
        if (!c.width.empty()) cells += " width=\"" + c.width + "\"";
        cells += std::string(" bgcolor=\"") + kDarkBackground + "\"><p align=\"center\"><b>" + c.name +
                 "</b></p></td>\n";
    }
    return row(cells);
}

std::string cell(const std::string& content, const std::string& width) {
    if (width.empty()) return "<td>" + content + "</td>\n";
    return "<td width=\"" + width + "\">" + content + "</td>\n";
}

std::string row(const std::string& cells) { return "<tr>\n" + cells + "</tr>\n"; }

std::string centred(std::int64_t n) { return "<p align=\"center\">" + std::to_string(n); }

std::string stockCount(std::int64_t n) { return n == 0 ? std::string("&nbsp;") : centred(n); }

std::string amount(std::int64_t cents) { return farm::dollars(cents).substr(1); }

std::string day(std::time_t t) { return core::formatDate(t); }

std::vector<std::string> inFilters(const char* column, std::vector<int> codes) {
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::vector<std::string> filters;
    for (std::size_t from = 0; from < codes.size(); from += kCodesPerQuery) {
        std::string list;
        for (std::size_t i = from; i < codes.size() && i < from + kCodesPerQuery; ++i) {
            if (!list.empty()) list += ",";
            list += std::to_string(codes[i]);
        }
        filters.push_back(std::string(column) + " IN (" + list + ")");
    }
    return filters;
}

}  // namespace reports
