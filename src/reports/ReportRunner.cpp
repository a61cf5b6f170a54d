#include "reports/ReportRunner.h"

#include <chrono>
#include <vector>

namespace reports {

namespace {

// Thrown from an item's log line when the run is asked to stop; the page
// being written is then dropped and the earlier one stays.
struct RunStopped {};

// Carries item lines to the interface thread a batch at a time: a report of
// 10,000 lots then costs a few dozen crossings instead of 10,000, and the
// log still shows each line within a fraction of a second.
class LineBatches {
public:
    LineBatches(platform::BackgroundWork& work, platform::Log& log) : work_(work), log_(log) {}

    void add(const std::string& line) {
        pending_.push_back(line);
        if (Clock::now() - lastFlush_ >= kInterval) flush();
    }
    void flush() {
        lastFlush_ = Clock::now();
        if (pending_.empty()) return;
        work_.runOnInterfaceThread([this] {
            for (const std::string& line : pending_) log_.line(line);
        });
        pending_.clear();
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kInterval{50};

    platform::BackgroundWork& work_;
    platform::Log& log_;
    std::vector<std::string> pending_;
    Clock::time_point lastFlush_{};  // the first line goes at once
};

void runReport(Report& report, site::SiteEnv env, platform::JobContext& job, LineBatches& lines) {
    env.prompter = &job.prompter();
    const ItemLog item = [&](const std::string& name) {
        if (job.stopRequested()) throw RunStopped{};
        lines.add(name);
    };
    bool written = false;
    try {
        written = writeAndShow(report, env, item);
    } catch (const RunStopped&) {
        lines.flush();
        return;
    } catch (...) {
        // The lines of the items written so far stay above the error.
        lines.flush();
        throw;
    }
    lines.flush();
    if (written) job.log().line(kCompleteLine);
}

}  // namespace

bool ReportRunner::start(std::shared_ptr<Report> report, const site::SiteEnv& env) {
    if (!report || work_.busy()) return false;
    const std::string title = report->logTitle();
    log_.clear();
    log_.line(title);
    platform::BackgroundWork* work = &work_;
    platform::Log* log = &log_;
    return work_.start(title, [report, env, work, log](platform::JobContext& job) {
        LineBatches lines(*work, *log);
        runReport(*report, env, job, lines);
    });
}

}  // namespace reports
