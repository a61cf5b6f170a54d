// The upload job behind "Check FTP-server": the first use asks where to
// begin and waits for a connection, trying every five seconds (never in
// the hour after midnight); once connected the walk runs as background
// work; the second use stops the job in any state and waits for the walk.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "db/CFishesDoc.h"
#include "platform/BackgroundWork.h"
#include "publish/UploadWalk.h"

namespace publish {

struct UploadSettings {
    std::string server;  // host name or "ftp://" address
    std::string login = "reedftp_ivomarsk";
    std::string password = "418206";
    std::string workDir;
    std::int32_t currentTaxon = 14;
    std::int32_t defaultUploaded = 14;
};

// The class directories of the catalogue, by directory name.
ClassFolders classFolders(db::CFishesDoc& doc);

// "Yes" sends the whole site; otherwise the class directory of the taxon,
// or the site without the class directories for a taxon above the classes.
UploadPlan planFor(db::CFishesDoc& doc, bool wholeSite, std::int32_t taxon);

class FtpUpload : public QObject {
    Q_OBJECT
public:
    enum class State { Off, Waiting, Working };
    static constexpr int kTickMs = 5000;
    static constexpr const char* kJobTitle = "FTP upload";

    // The log and prompter are the interface thread's; the work is shared
    // with the other background jobs of the window.
    FtpUpload(db::CFishesDoc& doc, platform::BackgroundWork& work, platform::Prompter& prompter, UploadLog& log,
              QObject* parent = nullptr);
    // Stops a running walk and waits for it.
    ~FtpUpload() override;

    // Replaces the clock (hour rule and time stamps).
    void setClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }
    void setClientOptions(ClientOptions options) { clientOptions_ = std::move(options); }
    void setRetryPauseMs(int ms) { retryPauseMs_ = ms; }

    // The command.
    void toggle(const UploadSettings& settings);
    // One tick of the connection timer; the timer calls it.
    void tick();

    State state() const { return state_; }
    bool on() const { return state_ != State::Off; }
    bool timerActive() const { return timer_.isActive(); }
    // The taxon last completed, to be kept in "Default_uploaded".
    std::int32_t defaultUploaded() const { return settings_.defaultUploaded; }
    // The outcome of the last walk.
    const WalkResult& lastWalk() const { return lastWalk_; }

signals:
    // The job went on or off (the menu entry's check mark).
    void switched(bool on);
    // The taxon to keep in "Default_uploaded" has changed.
    void defaultUploadedChanged(std::int32_t taxon);

private:
    enum class Outcome { NotConnected, Walked };
    struct JobState {
        Outcome outcome = Outcome::NotConnected;
        WalkResult walk;
    };

    void stop();
    void startJob(const ServerAddress& address);
    void runJob(platform::JobContext& job, const ServerAddress& address, const UploadPlan& plan,
                const ClassFolders& classes, JobState& state);
    void onEnded();
    void writeEnd(UploadLog& log, const WalkResult& walk);

    db::CFishesDoc& doc_;
    platform::BackgroundWork& work_;
    platform::Prompter& prompter_;
    UploadLog& log_;
    QTimer timer_;
    std::function<std::time_t()> clock_;
    ClientOptions clientOptions_;
    int retryPauseMs_ = 500;
    UploadSettings settings_;
    bool wholeSite_ = true;
    State state_ = State::Off;
    bool jobRunning_ = false;
    std::shared_ptr<JobState> job_;
    WalkResult lastWalk_;
};

}  // namespace publish
