// The reports of the My aquafarm menu and the panel's report buttons. The
// runner's reports run as the main window's one background job, whose log is
// the view's; the species reports are written at once from the chooser.
#include <QLineEdit>
#include <QSignalBlocker>

#include <ctime>
#include <memory>

#include "core/Dates.h"
#include "db/ShowErrors.h"
#include "reports/Bulletin.h"
#include "reports/CommercialReport.h"
#include "reports/PeriodReport.h"
#include "reports/PriceList.h"
#include "reports/ReportCommands.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/PanelLayout.h"
#include "ui/farm/Plandial.h"

namespace app {

namespace {

using Reports = std::shared_ptr<reports::ReportCommands>;

// The panel's "to" field names the period's last day; an empty one stands
// for today and shows it, as the balance does.
std::string periodEnd(CFishesView& view) {
    if (view.toDate().empty()) {
        if (auto* field = qobject_cast<QLineEdit*>(view.control(IDC_TO_DATE))) {
            // Showing today is not an edit: no refill before the report.
            QSignalBlocker quiet(field);
            field->setText(QString::fromStdString(core::formatDate(std::time(nullptr))));
        }
    }
    return view.toDate();
}

void movementReport(MainContext& ctx, reports::ReportCommands& r, reports::Movement movement) {
    r.movementReport(movement, periodEnd(ctx.view));
}

// "Select species..." (species with living animals, then their report) and
// "Species statistic..." (every species of the farm, then the complete
// report); the chooser's "View" and "Statistic" write the same two reports.
void chooseSpecies(MainContext& ctx, const Reports& r, Plandial::Mode mode) {
    platform::Prompter& prompter = ctx.shell.prompter;
    // The chooser's buttons run inside its own event loop: their errors are shown there.
    Plandial::Reports buttons{
        [r, &prompter](int taxon) { db::showingDbErrors(prompter, [&] { r->speciesReport(taxon); }); },
        [r, &prompter](int taxon) { db::showingDbErrors(prompter, [&] { r->completeReport(taxon); }); }};
    auto taxon = Plandial::chooseSpecies(&ctx.view, ctx.shell.doc, mode, buttons);
    if (!taxon) return;
    if (mode == Plandial::LivingSpecies) r->speciesReport(*taxon);
    else r->completeReport(*taxon);
}

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

// ---- price lists and the bulletin ------------------------------------------

void startPriceList(MainContext& ctx, reports::PriceListKind kind) {
    reports::ReportRunner runner(ctx.work, ctx.view);
    reports::startPriceList(runner, reportContext(ctx), kind);
}

void startBulletinFile(MainContext& ctx) {
    reports::ReportRunner runner(ctx.work, ctx.view);
    reports::startBulletinFile(runner, reportContext(ctx), ctx.shell.settings.Breeder_number);
}

void addPriceCommands(CommandMap& map, MainContext& ctx) {
    map[ID_PRICE_LIST] = [&ctx] { startPriceList(ctx, reports::PriceListKind::Customers); };
    map[ID_REVIEW_PRICE_LIST] = [&ctx] { startPriceList(ctx, reports::PriceListKind::Review); };
    map[ID_PRICE_LIST_FOR_BULLETIN] = [&ctx] { startBulletinFile(ctx); };
    // The page is written at once, on the interface thread.
    map[ID_MAKE_BULLETIN] = [&ctx] { reports::makeBulletin(reportContext(ctx)); };
}

}  // namespace

void addReportCommands(CommandMap& map, MainContext& ctx) {
    Reports r = std::make_shared<reports::ReportCommands>(ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter,
                                                          ctx.work, ctx.view);
    map[ID_REPORT_ON_TANKS] = [r] { r->reportOnTanks(); };
    map[ID_REPORT_ON_SPAWNINGS] = [r] { r->reportOnSpawnings(); };
    map[IDC_SOLD] = [&ctx, r] { movementReport(ctx, *r, reports::Movement::Sold); };
    map[IDC_DIED] = [&ctx, r] { movementReport(ctx, *r, reports::Movement::Died); };
    map[IDC_GIFTED] = [&ctx, r] { movementReport(ctx, *r, reports::Movement::Gifted); };
    map[ID_SELECT_SPECIES] = [&ctx, r] { chooseSpecies(ctx, r, Plandial::LivingSpecies); };
    map[ID_SPECIES_STATISTIC] = [&ctx, r] { chooseSpecies(ctx, r, Plandial::AnySpecies); };
    addPeriodReportCommands(map, ctx);
    addPriceCommands(map, ctx);
}

}  // namespace app
