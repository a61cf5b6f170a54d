#include "publish/FtpUpload.h"

#include <cstdlib>
#include <vector>

#include "catalogue/Taxonomy.h"

namespace publish {

namespace {

// The job's lines, carried to the interface thread's log and waited for.
class ForwardedLog : public UploadLog {
public:
    ForwardedLog(platform::BackgroundWork& work, UploadLog& log) : work_(work), log_(log) {}
    void line(const std::string& text) override {
        work_.runOnInterfaceThread([&] { log_.line(text); });
    }
    void clear() override {
        work_.runOnInterfaceThread([&] { log_.clear(); });
    }
    void replaceNewest(const std::string& text) override {
        work_.runOnInterfaceThread([&] { log_.replaceNewest(text); });
    }

private:
    platform::BackgroundWork& work_;
    UploadLog& log_;
};

int localHour(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_hour;
}

std::string userNetrc() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.netrc" : std::string();
}

std::string countsLine(const UploadCounts& counts) {
    return "Files sent: " + std::to_string(counts.sent) + ", skipped: " + std::to_string(counts.skipped) +
           ", failed: " + std::to_string(counts.failed);
}

}  // namespace

ClassFolders classFolders(db::CFishesDoc& doc) {
    std::vector<catalogue::Taxon> classes;
    db::Fish& taxa = *doc.taxa2;
    taxa.setFilter("Classific=" + std::to_string(catalogue::kClassLevel));
    taxa.setSort("Lat_name");
    taxa.requery();
    for (; !taxa.isEOF(); taxa.moveNext()) classes.push_back(catalogue::taxonOf(taxa));
    ClassFolders folders;
    for (const catalogue::Taxon& cls : classes) {
        std::string folder = catalogue::classDirectory(doc, cls);  // "\Classes\<name>"
        if (folder.size() > 9) folders[folder.substr(9)] = ClassFolder{cls.cod, cls.latName};
    }
    return folders;
}

UploadPlan planFor(db::CFishesDoc& doc, bool wholeSite, std::int32_t taxon) {
    if (wholeSite) return UploadPlan{"", true};
    std::optional<catalogue::Taxon> found = catalogue::findTaxon(doc, taxon);
    if (!found || catalogue::acceptedLevel(found->classific) > catalogue::kClassLevel) return UploadPlan{"", false};
    std::string folder = catalogue::classDirectory(doc, *found);  // "\Classes\<class>"
    if (folder.empty()) return UploadPlan{"", false};
    for (char& c : folder)
        if (c == '\\') c = '/';
    return UploadPlan{folder.substr(1), true};
}

FtpUpload::FtpUpload(db::CFishesDoc& doc, platform::BackgroundWork& work, platform::Prompter& prompter,
                     UploadLog& log, QObject* parent)
    : QObject(parent), doc_(doc), work_(work), prompter_(prompter), log_(log),
      clock_([] { return std::time(nullptr); }) {
    clientOptions_.netrcFile = userNetrc();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &FtpUpload::tick);
    connect(&work_, &platform::BackgroundWork::ended, this, [this] { onEnded(); });
}

FtpUpload::~FtpUpload() {
    if (on()) stop();
}

void FtpUpload::toggle(const UploadSettings& settings) {
    if (on()) {
        stop();
        return;
    }
    settings_ = settings;
    wholeSite_ = prompter_.ask("You wanna continue from last upload session?") == platform::Answer::Yes;
    if (!wholeSite_) {
        settings_.defaultUploaded = settings.currentTaxon;
        emit defaultUploadedChanged(settings_.defaultUploaded);
    }
    log_.clear();
    log_.line("Connecting to server...");
    state_ = State::Waiting;
    timer_.start();
    emit switched(true);
}

// The walk leaves the connection before anything closes it: the stop waits.
void FtpUpload::stop() {
    state_ = State::Off;
    timer_.stop();
    if (jobRunning_) {
        work_.requestStop();
        work_.wait();
    }
    emit switched(false);
}

void FtpUpload::tick() {
    if (state_ != State::Waiting) return;
    if (localHour(clock_()) == 0) return;
    if (work_.busy()) return;  // another job of the window; the next tick tries again
    std::optional<ServerAddress> address = parseServer(settings_.server);
    if (!address) {
        log_.line("Invalid URL");
        return;
    }
    startJob(*address);
}

void FtpUpload::startJob(const ServerAddress& address) {
    // The catalogue is read here, on the interface thread, while no other job runs.
    UploadPlan plan;
    ClassFolders classes;
    try {
        plan = planFor(doc_, wholeSite_, settings_.currentTaxon);
        classes = classFolders(doc_);
    } catch (const std::exception& e) {
        log_.line(e.what());
        return;
    }
    auto state = std::make_shared<JobState>();
    bool started = work_.start(kJobTitle, [this, address, plan, classes, state](platform::JobContext& job) {
        runJob(job, address, plan, classes, *state);
    });
    if (!started) return;
    job_ = state;
    jobRunning_ = true;
    state_ = State::Working;
    timer_.stop();
}

void FtpUpload::runJob(platform::JobContext& job, const ServerAddress& address, const UploadPlan& plan,
                       const ClassFolders& classes, JobState& state) {
    ForwardedLog log(work_, log_);
    FtpClient client(address, Credentials{settings_.login, settings_.password}, [&job] { return job.stopRequested(); },
                     clientOptions_);
    if (!client.hasSession()) {
        log.line("No Internet session");
        return;
    }
    RemoteListing siteFolder;
    if (!client.connect(siteFolder)) {
        if (!job.stopRequested()) log.line(client.errorText());
        return;
    }
    log.line("Yeesh connect!");
    log.clear();
    log.line("Now uploading new information to server...");
    WalkContext context{client, log, [&job] { return job.stopRequested(); }, clock_, retryPauseMs_};
    state.walk = uploadSite(context, siteFolder, settings_.workDir, plan, classes);
    state.outcome = Outcome::Walked;
    if (state.walk.end != WalkEnd::Stopped) writeEnd(log, state.walk);
}

void FtpUpload::writeEnd(UploadLog& log, const WalkResult& walk) {
    log.line(countsLine(walk.counts));
    if (walk.end == WalkEnd::ConnectionLost)
        log.line("Connection to server lost");
    else if (walk.counts.failed > 0)
        log.line("FTP-server manipulations have ended with errors");
    else
        log.line("FTP-server manipulations successfully have ended");
}

void FtpUpload::onEnded() {
    if (!jobRunning_ || work_.busy()) return;
    jobRunning_ = false;
    std::shared_ptr<JobState> job = std::move(job_);
    if (job->outcome == Outcome::Walked) {
        lastWalk_ = job->walk;
        if (job->walk.lastClass != 0 && job->walk.lastClass != settings_.defaultUploaded) {
            settings_.defaultUploaded = job->walk.lastClass;
            emit defaultUploadedChanged(settings_.defaultUploaded);
        }
    }
    if (state_ != State::Working) return;  // stopped by the command
    bool retry = work_.lastEnd() == platform::JobEnd::Success &&
                 (job->outcome == Outcome::NotConnected || job->walk.end == WalkEnd::ConnectionLost);
    if (retry) {
        state_ = State::Waiting;
        timer_.start();
        return;
    }
    state_ = State::Off;
    emit switched(false);
}

}  // namespace publish
