#include "platform/BackgroundWork.h"

#include <QMetaObject>

#include <chrono>
#include <exception>

namespace platform {

// The job's view of the log and the prompter: every call is carried to the
// interface thread and waited for.
class BackgroundWork::Context : public JobContext, private Log, private Prompter {
public:
    explicit Context(BackgroundWork& owner) : owner_(owner) {}

    bool stopRequested() const override {
        std::lock_guard<std::mutex> lock(owner_.mutex_);
        return owner_.stop_;
    }
    Log& log() override { return *this; }
    Prompter& prompter() override { return *this; }

private:
    void line(const std::string& text) override {
        owner_.runOnInterfaceThread([&] { owner_.uiLog_.line(text); });
    }
    void clear() override {
        owner_.runOnInterfaceThread([&] { owner_.uiLog_.clear(); });
    }
    Answer ask(const std::string& text) override {
        Answer answer = Answer::No;
        owner_.runOnInterfaceThread([&] { answer = owner_.uiPrompter_.ask(text); });
        return answer;
    }
    void tell(const std::string& text, MessageKind kind) override {
        owner_.runOnInterfaceThread([&] { owner_.uiPrompter_.tell(text, kind); });
    }
    bool askText(const std::string& label, std::string& value) override {
        bool ok = false;
        owner_.runOnInterfaceThread([&] { ok = owner_.uiPrompter_.askText(label, value); });
        return ok;
    }

    BackgroundWork& owner_;
};

BackgroundWork::BackgroundWork(Prompter& uiPrompter, Log& uiLog, QObject* parent)
    : QObject(parent), uiPrompter_(uiPrompter), uiLog_(uiLog), uiThread_(std::this_thread::get_id()) {}

BackgroundWork::~BackgroundWork() {
    requestStop();
    wait();
}

bool BackgroundWork::start(const std::string& title, JobBody body) {
    if (busy_) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobDone_ = false;
        stop_ = false;
    }
    title_ = title;
    busy_ = true;
    emit busyChanged(true);
    thread_ = std::thread([this, body = std::move(body)] { runJob(body); });
    return true;
}

void BackgroundWork::runJob(JobBody body) {
    Context context(*this);
    JobEnd end = JobEnd::Success;
    std::string message;
    try {
        body(context);
        if (context.stopRequested()) end = JobEnd::Stopped;
    } catch (const std::exception& e) {
        end = JobEnd::Failed;
        message = e.what();
    } catch (...) {
        end = JobEnd::Failed;
        message = "Unrecognized exception error";
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        end_ = end;
        message_ = message;
        jobDone_ = true;
    }
    changed_.notify_all();
    QMetaObject::invokeMethod(this, [this] { finishJob(); }, Qt::QueuedConnection);
}

void BackgroundWork::requestStop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
}

void BackgroundWork::wait() {
    if (!busy_) return;
    for (;;) {
        serveRequests();
        std::unique_lock<std::mutex> lock(mutex_);
        if (jobDone_ && pending_.empty()) break;
        changed_.wait_for(lock, std::chrono::milliseconds(50),
                          [this] { return jobDone_ || !pending_.empty(); });
    }
    finishJob();
}

void BackgroundWork::finishJob() {
    if (!busy_ || !thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!jobDone_) return;  // a stale announcement; the job still runs
    }
    thread_.join();
    busy_ = false;
    lastEnd_ = end_;
    lastMessage_ = message_;
    if (end_ == JobEnd::Failed) {
        uiLog_.line(message_);
        uiPrompter_.tell(message_, MessageKind::Error);
    }
    emit busyChanged(false);
    emit ended(lastEnd_, QString::fromStdString(title_), QString::fromStdString(lastMessage_));
}

void BackgroundWork::runOnInterfaceThread(const std::function<void()>& fn) {
    if (std::this_thread::get_id() == uiThread_) {
        fn();
        return;
    }
    Request request{fn};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(&request);
    }
    changed_.notify_all();
    QMetaObject::invokeMethod(this, [this] { serveRequests(); }, Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return request.done; });
}

void BackgroundWork::serveRequests() {
    for (;;) {
        Request* request = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (pending_.empty()) return;
            request = pending_.front();
            pending_.pop_front();
        }
        try {
            request->fn();
        } catch (...) {
            // A failing message box must not leave the job waiting forever.
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            request->done = true;
        }
        changed_.notify_all();
    }
}

}  // namespace platform
