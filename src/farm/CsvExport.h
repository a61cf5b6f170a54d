// Exports for spreadsheets: comma-separated files after RFC 4180 (UTF-8, a
// header row, CR LF line ends, a field quoted when it holds a comma, a quote
// or a line break, its quotes doubled). Dates are written as YYYY-MM-DD (a
// date never set is empty), money as a decimal amount ("12.50").
//
// Each export writes the whole file under a temporary name and renames it
// over the target when complete; a failure leaves any older file as it was.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"
#include "farm/Balance.h"

namespace farm {

// One field as the file holds it.
std::string csvField(const std::string& text);
// The fields joined by commas, ended by CR LF.
std::string csvRecord(const std::vector<std::string>& fields);
// Cents as "12.50", "-0.05".
std::string csvAmount(std::int64_t cents);
// "YYYY-MM-DD"; empty for the not-set date and for no date.
std::string csvDate(std::time_t t);

// Collects the records of one file and writes it.
class CsvFile {
public:
    explicit CsvFile(const std::vector<std::string>& header) { add(header); }
    void add(const std::vector<std::string>& fields) { text_ += csvRecord(fields); }
    const std::string& text() const { return text_; }
    // Throws std::runtime_error naming the file when it cannot be written.
    void save(const std::filesystem::path& file) const;

private:
    std::string text_;
};

// Every lot but the reserved one, by code: species, tank, counts, dates and
// money. emptyTankName names a tank of no volume, as the dialogs do.
// Returns the number of lots written.
std::size_t exportLots(db::CFishesDoc& doc, const std::string& emptyTankName, const std::filesystem::path& file);

// The water journal of one tank in date order.
std::size_t exportJournal(db::Connection& c, int tank, const std::filesystem::path& file);

// The expenses and incomes dated inside the balance period, by date.
std::size_t exportExpenses(db::CFishesDoc& doc, const BalancePeriod& period, const std::filesystem::path& file);

}  // namespace farm
