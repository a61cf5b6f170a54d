// The farm's commands of the My aquafarm menu and the panel: the lot, tank
// and incubator dialogs, the plan, and the expenses of the balance list.
#include <QDialog>

#include "platform/Prompter.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/PanelLayout.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/farm/Aquadialog.h"
#include "ui/farm/CSentdial.h"
#include "ui/farm/Incubdial.h"
#include "ui/farm/Myfish.h"
#include "ui/farm/Plandial.h"

namespace app {

namespace {

void myFishes(MainContext& ctx) {
    const ShellContext& s = ctx.shell;
    FishcatalChooser chooser(s.doc, s.settings, s.prompter);
    Myfish dialog(&ctx.view, s.doc, s.settings, s.prompter, chooser);
    // Every field writes at once, so Cancel keeps the changes too: the panel follows them.
    dialog.exec();
    ctx.view.refill();
}

void incubator(MainContext& ctx) {
    const ShellContext& s = ctx.shell;
    FishcatalChooser chooser(s.doc, s.settings, s.prompter);
    if (Incubdial::open(&ctx.view, s.doc, s.settings, s.prompter, chooser))
        ctx.view.refill(CFishesView::Refill::IncubatorTotals);
}

void tanks(MainContext& ctx) {
    Aquadialog dialog(&ctx.view, ctx.shell.doc, ctx.shell.settings, ctx.shell.prompter);
    dialog.exec();
    ctx.view.refill();
}

void newExpense(MainContext& ctx) {
    const ShellContext& s = ctx.shell;
    if (CSentdial::newExpense(&ctx.view, s.doc, s.settings, s.prompter, ctx.view.balance())) ctx.view.refill();
}

void editExpense(MainContext& ctx, int n) {
    const ShellContext& s = ctx.shell;
    if (CSentdial::editExpense(&ctx.view, s.doc, s.settings, s.prompter, ctx.view.balance(),
                               static_cast<std::size_t>(n)))
        ctx.view.refill();
}

void deleteExpense(MainContext& ctx, int n) {
    if (!platform::confirmed(ctx.shell.prompter)) return;
    if (ctx.view.balance().deleteExpense(static_cast<std::size_t>(n))) ctx.view.refill();
}

// "Delete...": an expense row is deleted; a lot or tank row opens its dialog.
void deleteSelected(MainContext& ctx) {
    const PanelRows& rows = ctx.view.rows();
    const int row = ctx.view.selectedRow();
    switch (rows.partOf(row)) {
    case RowPart::Expense: deleteExpense(ctx, rows.indexInPart(row)); break;
    case RowPart::Fish: myFishes(ctx); break;
    case RowPart::Tank: tanks(ctx); break;
    case RowPart::None: break;  // nothing selected, or the list shows a log
    }
}

}  // namespace

void activateBalanceRow(MainContext& ctx, int row) {
    const PanelRows& rows = ctx.view.rows();
    switch (rows.partOf(row)) {
    case RowPart::Expense: editExpense(ctx, rows.indexInPart(row)); break;
    case RowPart::Fish: myFishes(ctx); break;
    case RowPart::Tank: tanks(ctx); break;
    case RowPart::None: break;
    }
}

void addFarmCommands(CommandMap& map, MainContext& ctx) {
    map[ID_MY_FISHES] = map[IDC_MY_FISHES] = [&ctx] { myFishes(ctx); };
    map[ID_INCUBATOR] = map[IDC_INCUBATOR] = [&ctx] { incubator(ctx); };
    map[ID_TANKS] = map[IDC_MY_TANKS] = [&ctx] { tanks(ctx); };
    map[ID_PLAN_OF_SPAWNINGS] = [&ctx] { Plandial::showPlan(&ctx.view, ctx.shell.doc); };
    map[IDC_NEW] = [&ctx] { newExpense(ctx); };
    map[IDC_DELETE] = [&ctx] { deleteSelected(ctx); };
}

}  // namespace app
