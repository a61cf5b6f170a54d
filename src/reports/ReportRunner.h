// Runs a report off the interface thread: the log is emptied and gets the
// report's title line, the page is written with a log line per item, shown
// in the viewer and closed by the "Complete" line. A page that cannot be
// written ends the run after the page skeleton's message, without that
// line; a database error ends it with the data source's text in a message
// and in the log. One report at a time: the windows disable their commands
// while the background work is busy.
#pragma once

#include <memory>

#include "platform/BackgroundWork.h"
#include "reports/Report.h"

namespace reports {

inline constexpr const char* kCompleteLine = "************** Complete *************";

class ReportRunner {
public:
    // log is the interface thread's log, the one the background work feeds.
    ReportRunner(platform::BackgroundWork& work, platform::Log& log) : work_(work), log_(log) {}

    // Starts the report; false, with nothing changed, while another job runs.
    // env's prompter is replaced by the job's, so messages reach the
    // interface thread.
    bool start(std::shared_ptr<Report> report, const site::SiteEnv& env);
    bool busy() const { return work_.busy(); }

private:
    platform::BackgroundWork& work_;
    platform::Log& log_;
};

}  // namespace reports
