// The reports of the My aquafarm menu and the panel's report buttons; each
// report runs as the main window's background job.
#include "ui/app/MainCommands.h"

namespace app {

void addReportCommands(CommandMap&, MainContext&) {}

}  // namespace app
