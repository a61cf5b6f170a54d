// The reports of the My aquafarm menu and the panel's report buttons; each
// report runs as the main window's background job.
#include "reports/CommercialReport.h"
#include "reports/PeriodReport.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"

namespace app {

namespace {

reports::ReportContext reportContext(MainContext& ctx) {
    return reports::reportContext(ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter);
}

// "Business report" over the archive period of the settings, and "All species".
void addPeriodReportCommands(CommandMap& map, MainContext& ctx) {
    map[ID_BUSINESS_REPORT] = [&ctx] {
        reports::ReportRunner runner(ctx.work, ctx.view);
        reports::startPeriodReport(runner, reportContext(ctx), ctx.shell.settings.Archiv_fish_from);
    };
    map[ID_ALL_SPECIES] = [&ctx] {
        reports::ReportRunner runner(ctx.work, ctx.view);
        reports::startCommercialReport(runner, reportContext(ctx));
    };
}

}  // namespace

void addReportCommands(CommandMap& map, MainContext& ctx) { addPeriodReportCommands(map, ctx); }

}  // namespace app
