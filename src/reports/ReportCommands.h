// What the windows call for the report commands: one call per menu entry or
// button, each reading the settings as they are at that moment. Runner
// reports start off the interface thread and return at once; the dialogs'
// reports are written before the call returns. False when nothing started
// or the page could not be written (the message has been shown).
#pragma once

#include <string>
#include <vector>

#include "platform/BackgroundWork.h"
#include "reports/FarmReports.h"
#include "reports/MovementReports.h"
#include "reports/ReportRunner.h"
#include "reports/SpeciesReports.h"

namespace reports {

// The lot dialog's and the incubator dialog's "Report": written at once from
// the rows the dialog lists, in its order; the archive periods are the
// settings' at the moment of the call.
bool writeListedTankReport(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                           LotListChoice choice, const std::vector<int>& listedLots);
bool writeListedIncubatorReport(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                                bool archive, const std::vector<int>& listedSpawnings);

class ReportCommands {
public:
    // work and log are the main window's; prompter answers on the interface thread.
    ReportCommands(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                   platform::BackgroundWork& work, platform::Log& log);

    // While true, every command that reads the document's rows stays disabled.
    bool running() const { return runner_.busy(); }

    // "Report on tanks", "Report on spawnings".
    bool reportOnTanks();
    bool reportOnSpawnings();
    // "Sold", "Died", "Gifted" of the main view: from Balance_from to the
    // panel's "to" field (today when empty).
    bool movementReport(Movement movement, const std::string& toField);

    // The lot dialog's and the incubator dialog's "Report", with the rows the
    // dialog lists; the archive periods are the settings'.
    bool tankReport(LotListChoice choice, const std::vector<int>& listedLots);
    bool incubatorReport(bool archive, const std::vector<int>& listedSpawnings);
    // The species chooser's "View" and "Statistic".
    bool speciesReport(int taxon);
    bool completeReport(int taxon);

private:
    ReportContext context() const;

    db::CFishesDoc& doc_;
    const core::Settings& settings_;
    platform::Prompter& prompter_;
    ReportRunner runner_;
};

}  // namespace reports
