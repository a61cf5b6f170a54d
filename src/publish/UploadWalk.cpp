#include "publish/UploadWalk.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "core/Dates.h"
#include "platform/WildcardFind.h"

namespace fs = std::filesystem;

namespace publish {

namespace {

constexpr const char* kClasses = "Classes";

std::string join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

// A name as the log may show it: control characters become "?".
std::string printable(std::string name) {
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return name;
}

// Local subfolders by name; links are not followed, so the walk stays in the site.
std::vector<std::string> subfolders(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (it->is_directory(e2) && !it->is_symlink(e2)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

enum class Step { Done, FolderFailed, Abort };

class Walker {
public:
    Walker(WalkContext& c, const fs::path& workDir, const UploadPlan& plan, const ClassFolders& classes)
        : c_(c), workDir_(workDir), plan_(plan), classes_(classes) {}

    WalkResult run(const RemoteListing& siteFolder) {
        RemoteListing listing = siteFolder;
        std::string folder;
        std::error_code ec;
        if (fs::is_directory(workDir_ / plan_.start, ec)) {
            Step step = Step::Done;
            std::size_t from = 0;
            while (step == Step::Done && from < plan_.start.size()) {
                std::size_t slash = std::min(plan_.start.find('/', from), plan_.start.size());
                RemoteListing inner;
                step = enter(folder, listing, plan_.start.substr(from, slash - from), inner);
                folder = join(folder, plan_.start.substr(from, slash - from));
                listing = std::move(inner);
                from = slash + 1;
            }
            if (step == Step::Done) step = send(folder, listing);
            if (result_.counts.failed == 0 && !aborted() && isClassFolder(folder)) noteClassDone(folder);
        }
        result_.requests = c_.client.requests();
        if (lost_)
            result_.end = WalkEnd::ConnectionLost;
        else if (c_.stopRequested())
            result_.end = WalkEnd::Stopped;
        return result_;
    }

private:
    std::string stamp() const { return core::formatDate(c_.clock(), "%H:%M:%S "); }

    bool aborted() { return lost_ || c_.stopRequested(); }

    void pause() {
        for (int waited = 0; waited < c_.retryPauseMs && !c_.stopRequested(); waited += 50)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Up to five tries; each failure replaces the newest line by what
    // failed and the count so far. After the last one the server is asked
    // whether it still answers, so a dead connection ends the walk.
    Step attempt(const std::function<bool()>& op, const std::string& what) {
        for (int failures = 0; failures < kAttempts;) {
            if (op()) return Step::Done;
            if (c_.stopRequested()) return Step::Abort;
            ++failures;
            c_.log.replaceNewest(what + " Attempt " + std::to_string(failures) + "...");
            if (failures < kAttempts) pause();
        }
        c_.log.line(c_.client.errorText());
        c_.log.line("FTP-uploading error!");
        ++result_.counts.failed;
        if (!c_.client.probe()) lost_ = true;
        return aborted() ? Step::Abort : Step::FolderFailed;
    }

    bool isClassFolder(const std::string& folder) const {
        return folder.rfind(std::string(kClasses) + "/", 0) == 0 && folder.find('/', 8) == std::string::npos;
    }

    void noteClassDone(const std::string& folder) {
        auto it = classes_.find(folder.substr(8));
        if (it != classes_.end()) result_.lastClass = it->second.code;
    }

    std::string title(const std::string& parent, const std::string& name) const {
        if (parent == kClasses) {
            auto it = classes_.find(name);
            if (it != classes_.end()) return it->second.latName;
        }
        return name;
    }

    // Finds or makes the remote folder and reads what it holds.
    Step enter(const std::string& parent, const RemoteListing& parentListing, const std::string& name,
               RemoteListing& inside) {
        if (aborted()) return Step::Abort;
        const std::string folder = join(parent, name);
        const std::string remote = "/" + folder;
        const std::string line = stamp() + "Creating directory " + title(parent, name) + " on server...";
        c_.log.line(line);
        auto found = parentListing.find(name);
        if (found != parentListing.end() && found->second.directory) {
            c_.log.replaceNewest("We searching " + remote);
            c_.log.line("but " + found->first + " already exists");
            return attempt([&] { return c_.client.list(folder, inside); }, remote);
        }
        inside.clear();
        Step step = attempt([&] { return c_.client.makeDirectory(parent, name); }, remote);
        if (step == Step::Done) c_.log.replaceNewest(line + " OK!");
        return step;
    }

    Step sendFile(const std::string& folder, const RemoteListing& listing, const platform::FoundFile& file) {
        const std::string name = file.path.filename().string();
        if (!safeRemoteName(name)) {
            c_.log.line("Not sent, the name would leave its folder: " + printable(name));
            ++result_.counts.failed;
            return Step::Done;
        }
        const std::string line = stamp() + "Uploading " + name + " to server...";
        c_.log.line(line);
        auto remote = listing.find(name);
        bool existed = remote != listing.end() && !remote->second.directory;
        if (existed && remote->second.size == static_cast<std::int64_t>(file.size)) {
            c_.log.replaceNewest(line + " already exists");
            ++result_.counts.skipped;
            return Step::Done;
        }
        Step step = attempt([&] { return c_.client.upload(file.path, folder, name); }, line);
        if (step != Step::Done) return step;
        c_.log.replaceNewest(line + (existed ? " Overwriting OK!" : " OK!"));
        ++result_.counts.sent;
        return Step::Done;
    }

    // The folder's files, then its subfolders; a failed subfolder does not
    // stop its siblings.
    Step send(const std::string& folder, const RemoteListing& listing) {
        const fs::path local = workDir_ / folder;
        for (const platform::FoundFile& file : platform::findFiles(local / "*")) {
            if (aborted()) return Step::Abort;
            Step step = sendFile(folder, listing, file);
            if (step != Step::Done) return step;
        }
        if (folder == kClasses && !plan_.classFolders) return Step::Done;
        for (const std::string& name : subfolders(local)) {
            if (!safeRemoteName(name)) {
                c_.log.line("Not sent, the name would leave its folder: " + printable(name));
                ++result_.counts.failed;
                continue;
            }
            RemoteListing inside;
            const int failedBefore = result_.counts.failed;
            Step step = enter(folder, listing, name, inside);
            if (step == Step::Done) step = send(join(folder, name), inside);
            if (step == Step::Abort) return Step::Abort;
            if (folder == kClasses && result_.counts.failed == failedBefore) noteClassDone(join(folder, name));
        }
        return Step::Done;
    }

    WalkContext& c_;
    fs::path workDir_;
    const UploadPlan& plan_;
    const ClassFolders& classes_;
    WalkResult result_;
    bool lost_ = false;
};

}  // namespace

WalkResult uploadSite(WalkContext& context, const RemoteListing& siteFolder, const fs::path& workDir,
                      const UploadPlan& plan, const ClassFolders& classes) {
    return Walker(context, workDir, plan, classes).run(siteFolder);
}

}  // namespace publish
