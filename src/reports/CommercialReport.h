// "All species": the living stock species by species, one table each with
// the five size classes of the price card side by side, every size class
// listing its tanks (lots of one tank merged) with their counts, and the
// "At all" row of each size class's total. Each species links to its page
// in its own class directory on the web site.
#pragma once

#include <memory>

#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

std::shared_ptr<Report> commercialReport(const ReportContext& context);
bool startCommercialReport(ReportRunner& runner, const ReportContext& context);

}  // namespace reports
