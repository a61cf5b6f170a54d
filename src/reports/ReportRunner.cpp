#include "reports/ReportRunner.h"

namespace reports {

namespace {

// Thrown from an item's log line when the run is asked to stop; the page
// being written is then dropped and the earlier one stays.
struct RunStopped {};

void runReport(Report& report, site::SiteEnv env, platform::JobContext& job) {
    env.prompter = &job.prompter();
    const ItemLog item = [&job](const std::string& name) {
        if (job.stopRequested()) throw RunStopped{};
        job.log().line(name);
    };
    try {
        if (!writeAndShow(report, env, item)) return;
    } catch (const RunStopped&) {
        return;
    }
    job.log().line(kCompleteLine);
}

}  // namespace

bool ReportRunner::start(std::shared_ptr<Report> report, const site::SiteEnv& env) {
    if (!report || work_.busy()) return false;
    const std::string title = report->logTitle();
    log_.clear();
    log_.line(title);
    return work_.start(title, [report, env](platform::JobContext& job) { runReport(*report, env, job); });
}

}  // namespace reports
