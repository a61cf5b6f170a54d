// The business report's table as a spreadsheet file: the same months, year
// rows after every December and the "In all" row, every count and every
// amount in its own column (see farm/CsvExport.h for the file's form).
#pragma once

#include <filesystem>
#include <string>

#include "reports/PeriodReport.h"

namespace reports {

// Reads the period's figures as the report does and writes the file;
// returns the number of month rows.
std::size_t exportPeriodTable(const ReportContext& context, const std::string& period,
                              const std::filesystem::path& file);

}  // namespace reports
