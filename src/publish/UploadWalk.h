// The walk that sends the local site to the server: one remote folder per
// local folder, every file the server lacks or holds with another size,
// each step written to the progress log. Nothing on the server is deleted.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/Prompter.h"
#include "publish/FtpClient.h"

namespace publish {

// The progress log as the upload writes it: a step's line is replaced by
// its outcome.
class UploadLog : public platform::Log {
public:
    // Replaces the newest line (adds one when the log is empty).
    virtual void replaceNewest(const std::string& text) = 0;
};

// A class directory below "Classes" and the class it belongs to.
struct ClassFolder {
    std::int32_t code = 0;
    std::string latName;
};
using ClassFolders = std::map<std::string, ClassFolder>;

// What one walk sends: everything below the start folder ("" the work
// directory, "Classes/Pisces" one class); without the class folders the
// folder "Classes" keeps only its own files.
struct UploadPlan {
    std::string start;
    bool classFolders = true;
};

struct UploadCounts {
    int sent = 0;
    int skipped = 0;
    int failed = 0;
};

enum class WalkEnd { Complete, Stopped, ConnectionLost };

struct WalkResult {
    WalkEnd end = WalkEnd::Complete;
    UploadCounts counts;
    // The class whose folder was last sent completely (0 none).
    std::int32_t lastClass = 0;
    // Requests the client has sent, the connect included.
    std::size_t requests = 0;
};

struct WalkContext {
    FtpClient& client;
    UploadLog& log;
    std::function<bool()> stopRequested;
    std::function<std::time_t()> clock;
    // Pause between two attempts of one step.
    int retryPauseMs = 500;
};

constexpr int kAttempts = 5;

// siteFolder is the listing of the remote site folder made at connect.
WalkResult uploadSite(WalkContext& context, const RemoteListing& siteFolder, const std::filesystem::path& workDir,
                      const UploadPlan& plan, const ClassFolders& classes);

}  // namespace publish
