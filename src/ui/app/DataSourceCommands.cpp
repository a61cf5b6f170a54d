// The Databases menu's "Initialise data source": an empty data source of the
// user's becomes ready for the program.
#include "db/DataSource.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"

namespace app {

void addDataSourceCommands(CommandMap& map, MainContext& ctx) {
    map[ID_INITIALISE_DATA_SOURCE] = [&ctx] {
        if (db::initialiseUserDataSource(ctx.shell.prompter)) ctx.view.line("Data source initialised.");
    };
}

}  // namespace app
