// The Catalogs menu and the panel's catalogue button.
#include "catalogue/CatalogMenu.h"
#include "reports/TaxonomyReport.h"
#include "site/PageSkeleton.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/PanelLayout.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/catalogue/Fishcatalconfig.h"

namespace app {

namespace {

void open(MainContext& ctx, const catalogue::CatalogueRequest& request) {
    ::openCatalogue(&ctx.view, ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter, request);
}

void toggle(MainContext& ctx, int core::Settings::*flag) {
    core::Settings& s = ctx.shell.settings;
    s.*flag = s.*flag ? 0 : 1;
    emit ctx.view.refreshRequested();
}

}  // namespace

void openClassCatalogue(MainContext& ctx, int n) {
    if (auto request = catalogue::classCatalogueRequest(ctx.shell.doc, ctx.shell.settings, n)) open(ctx, *request);
}

void addCatalogsCommands(CommandMap& map, MainContext& ctx) {
    map[ID_HIGH_TAXONOMY] = [&ctx] {
        Fishcatalconfig dialog(ctx.shell.doc, ctx.shell.settings.Default_language, ctx.shell.prompter, &ctx.view);
        dialog.exec();
        emit ctx.view.classMenuChanged();  // names or menu flags may have changed
    };
    map[IDC_FISH_CATALOGUE] = [&ctx] { open(ctx, catalogue::fishCatalogueRequest(ctx.shell.settings)); };
    map[ID_TAXONOMY_REPORT] = [&ctx] {
        reports::ReportRunner runner(ctx.work, ctx.view);
        reports::startTaxonomyReport(runner, ctx.work, ctx.shell.doc,
                                     site::siteEnv(ctx.shell.settings, ctx.shell.prompter));
    };
    map[ID_CD_ROM] = [&ctx] { toggle(ctx, &core::Settings::CD); };
    map[ID_WWW_SERVER] = [&ctx] { toggle(ctx, &core::Settings::WWW); };
}

}  // namespace app
