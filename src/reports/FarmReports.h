// The farm's stock and spawning pages: the fishes report (every tank in
// service with its living lots) and the spawnings report on the report
// runner; the tank reports of the lot dialog and the incubator report of the
// incubator dialog, written at once from the rows those dialogs list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "farm/LotBook.h"
#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

// "Report on tanks": "\Reports\fishes.html".
std::shared_ptr<Report> fishesReport(const ReportContext& context);
// "Report on spawnings": "\Reports\matings.html", every spawning but the
// origin of bought lots, by eggs date.
std::shared_ptr<Report> spawningsReport(const ReportContext& context);

bool startFishesReport(ReportRunner& runner, const ReportContext& context);
bool startSpawningsReport(ReportRunner& runner, const ReportContext& context);

// What the lot dialog's "fishes in:" combo shows.
struct LotListChoice {
    farm::LotView view = farm::LotView::All;
    std::string archivePeriod;  // "month", "quarter", "year" or "all", for Archive
    int tankNumber = 0;         // for Tank: the tank's place among the tanks in service, from 1
};

// "\Reports\all.html", "\Reports\archive" + period + ".html",
// "\Reports\allarc.html" or "\Reports\tank" + n + ".html", with the given
// lots in the given order.
std::unique_ptr<Report> tankReport(const ReportContext& context, const LotListChoice& choice,
                                   std::vector<int> lots);
bool writeTankReport(const ReportContext& context, const LotListChoice& choice, const std::vector<int>& lots);

// "\Reports\incubator.html", or "\Reports\incarc" + period + ".html" for
// the archive, with the given spawnings in the given order.
std::unique_ptr<Report> incubatorReport(const ReportContext& context, bool archive, const std::string& period,
                                        std::vector<int> spawnings);
bool writeIncubatorReport(const ReportContext& context, bool archive, const std::string& period,
                          const std::vector<int>& spawnings);

}  // namespace reports
