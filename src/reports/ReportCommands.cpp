#include "reports/ReportCommands.h"

namespace reports {

bool writeListedTankReport(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                           LotListChoice choice, const std::vector<int>& listedLots) {
    choice.archivePeriod = settings.Archiv_fish_from;
    return writeTankReport(reportContext(doc, settings, prompter), choice, listedLots);
}

bool writeListedIncubatorReport(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                                bool archive, const std::vector<int>& listedSpawnings) {
    return writeIncubatorReport(reportContext(doc, settings, prompter), archive, settings.Archiv_incubator_from,
                                listedSpawnings);
}

ReportCommands::ReportCommands(db::CFishesDoc& doc, const core::Settings& settings, platform::Prompter& prompter,
                               platform::BackgroundWork& work, platform::Log& log)
    : doc_(doc), settings_(settings), prompter_(prompter), runner_(work, log) {}

ReportContext ReportCommands::context() const { return reportContext(doc_, settings_, prompter_); }

bool ReportCommands::reportOnTanks() { return startFishesReport(runner_, context()); }

bool ReportCommands::reportOnSpawnings() { return startSpawningsReport(runner_, context()); }

bool ReportCommands::movementReport(Movement movement, const std::string& toField) {
    return startMovementReport(runner_, context(), movement, movementPeriod(settings_, toField));
}

bool ReportCommands::tankReport(LotListChoice choice, const std::vector<int>& listedLots) {
    return !running() && writeListedTankReport(doc_, settings_, prompter_, choice, listedLots);
}

bool ReportCommands::incubatorReport(bool archive, const std::vector<int>& listedSpawnings) {
    return !running() && writeListedIncubatorReport(doc_, settings_, prompter_, archive, listedSpawnings);
}

bool ReportCommands::speciesReport(int taxon) { return !running() && writeSpeciesReport(context(), taxon); }

bool ReportCommands::completeReport(int taxon) { return !running() && writeCompleteReport(context(), taxon); }

}  // namespace reports
