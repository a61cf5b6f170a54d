// Work that runs off the interface thread: reports, page generation, the
// upload. One job at a time per BackgroundWork; the job checks a stop flag
// between its items; its log lines and questions reach the interface thread
// synchronously; its end (success, stop or failure) is announced there.
// Nothing is ever terminated from outside: stopping asks, waiting waits.
#pragma once

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/Prompter.h"

namespace platform {

enum class JobEnd { Success, Stopped, Failed };

// What a running job works with. Every call may be made from the job's
// thread; log lines and questions are carried out on the interface thread
// and return when they are done there.
class JobContext {
public:
    virtual ~JobContext() = default;
    virtual bool stopRequested() const = 0;
    virtual Log& log() = 0;
    virtual Prompter& prompter() = 0;
};

using JobBody = std::function<void(JobContext&)>;

class BackgroundWork : public QObject {
    Q_OBJECT
public:
    // Made on the interface thread; uiPrompter and uiLog are only ever
    // called there. A job that throws ends as a failure: its text goes to
    // the log and to uiPrompter as an error message.
    BackgroundWork(Prompter& uiPrompter, Log& uiLog, QObject* parent = nullptr);
    // Asks a running job to stop and waits for it.
    ~BackgroundWork() override;

    // Starts a job unless one is running (then false and nothing starts).
    bool start(const std::string& title, JobBody body);
    bool busy() const { return busy_; }
    const std::string& title() const { return title_; }
    // Asks the running job to stop at its next check; returns at once.
    void requestStop();
    // Waits for the running job to end, serving its log lines and
    // questions meanwhile; the end is announced before it returns.
    void wait();

    JobEnd lastEnd() const { return lastEnd_; }
    const std::string& lastMessage() const { return lastMessage_; }

    // Runs fn on the interface thread and returns when it has run there
    // (at once when called on the interface thread).
    void runOnInterfaceThread(const std::function<void()>& fn);

signals:
    void busyChanged(bool busy);
    // After every job, on the interface thread.
    void ended(platform::JobEnd end, const QString& title, const QString& message);

private:
    struct Request {
        std::function<void()> fn;
        bool done = false;
    };
    class Context;

    void serveRequests();
    void finishJob();
    void runJob(JobBody body);

    Prompter& uiPrompter_;
    Log& uiLog_;
    std::thread thread_;
    std::thread::id uiThread_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Request*> pending_;
    bool jobDone_ = false;
    bool stop_ = false;
    bool busy_ = false;
    std::string title_;
    JobEnd end_ = JobEnd::Success;
    std::string message_;
    JobEnd lastEnd_ = JobEnd::Success;
    std::string lastMessage_;
};

}  // namespace platform
