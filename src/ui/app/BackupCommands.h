// The Databases menu's "Back up...", "Restore..." and "Weekly backup...",
// the weekly backup taken when the main window is made, and the spreadsheet
// exports of the lots, the balance period's expenses and the business
// report's table.
#pragma once

#include "ui/app/MainCommands.h"

namespace app {

void addBackupCommands(CommandMap& map, MainContext& ctx);

}  // namespace app
