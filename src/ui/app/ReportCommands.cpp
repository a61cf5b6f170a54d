// The reports of the My aquafarm menu and the panel's report buttons; each
// report runs as the main window's background job.
#include "reports/Bulletin.h"
#include "reports/PriceList.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"

namespace app {

namespace {

// ---- price lists and the bulletin ------------------------------------------

// The settings as they are when the command is given.
reports::ReportContext priceContext(MainContext& ctx) {
    return reports::reportContext(ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter);
}

void startPriceList(MainContext& ctx, reports::PriceListKind kind) {
    reports::ReportRunner runner(ctx.work, ctx.view);
    reports::startPriceList(runner, priceContext(ctx), kind);
}

void startBulletinFile(MainContext& ctx) {
    reports::ReportRunner runner(ctx.work, ctx.view);
    reports::startBulletinFile(runner, priceContext(ctx), ctx.shell.settings.Breeder_number);
}

void addPriceCommands(CommandMap& map, MainContext& ctx) {
    map[ID_PRICE_LIST] = [&ctx] { startPriceList(ctx, reports::PriceListKind::Customers); };
    map[ID_REVIEW_PRICE_LIST] = [&ctx] { startPriceList(ctx, reports::PriceListKind::Review); };
    map[ID_PRICE_LIST_FOR_BULLETIN] = [&ctx] { startBulletinFile(ctx); };
    // The page is written at once, on the interface thread.
    map[ID_MAKE_BULLETIN] = [&ctx] { reports::makeBulletin(priceContext(ctx)); };
}

}  // namespace

void addReportCommands(CommandMap& map, MainContext& ctx) { addPriceCommands(map, ctx); }

}  // namespace app
