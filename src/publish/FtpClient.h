// The FTP side of the upload: the server text read as an address, remote
// names checked before they are sent, directory listings read into sizes,
// and one client that keeps its control connection open for a whole walk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace publish {

// Where the site goes: "ftp://host[:port]/[folder/]" with the folder the
// server text named (the login folder when none).
struct ServerAddress {
    std::string baseUrl;
    std::string host;
};

// The server text as a URL; "ftp://" is put in front when the text does not
// parse as it is. Nothing for a text that is no FTP address even then.
std::optional<ServerAddress> parseServer(const std::string& text);

// At most 1024 characters; "Unrecognized exception error" for an empty text.
std::string limitedErrorText(const std::string& text);

// A name that stays inside its folder on any server: not empty, without
// "..", "/", "\" or a control character.
bool safeRemoteName(const std::string& name);

struct RemoteEntry {
    bool directory = false;
    std::int64_t size = -1;
};
using RemoteListing = std::map<std::string, RemoteEntry>;

// Machine listing lines ("type=file;size=12; name").
RemoteListing parseMlsd(const std::string& text);
// Unix ("-rw-r--r-- 1 u g 12 Jan 01 12:00 name") or DOS ("01-01-24 12:00PM 12 name") lines.
RemoteListing parseList(const std::string& text);

struct Credentials {
    std::string login;
    std::string password;
};

struct ClientOptions {
    // The active-mode address ("-": the control connection's own).
    std::string activeAddress = "-";
    // Seconds without an answer or a byte moved before an operation fails.
    long timeoutSeconds = 30;
    // The netrc file whose entry for the host replaces the login ("" none).
    std::string netrcFile;
};

// A netrc file names the host (or has a "default" entry).
bool netrcHasEntry(const std::string& netrcFile, const std::string& host);

class FtpClient {
public:
    // stopRequested is asked while an operation waits; true aborts it.
    FtpClient(ServerAddress address, Credentials credentials, std::function<bool()> stopRequested,
              ClientOptions options = {});
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // False when no session could be made.
    bool hasSession() const { return handle_ != nullptr; }

    // Remote folders are paths below the site folder, "/" between names,
    // "" for the site folder itself. Every call returns false on failure
    // and leaves the reason in errorText().

    // Logs in and lists the site folder.
    bool connect(RemoteListing& siteFolder);
    // One listing of a folder.
    bool list(const std::string& folder, RemoteListing& entries);
    // A cheap request that tells whether the server still answers.
    bool probe();
    bool makeDirectory(const std::string& parent, const std::string& name);
    // Sends the file under a temporary name in the same folder and renames
    // it when complete, so a broken transfer never stands under the name.
    bool upload(const std::filesystem::path& local, const std::string& folder, const std::string& name);

    const std::string& errorText() const { return error_; }
    bool passive() const { return passive_; }
    bool machineListing() const { return mlsd_; }
    // Requests sent so far (each listing, folder and upload counts once).
    std::size_t requests() const { return requests_; }

    static std::string temporaryName(const std::string& name);

private:
    struct Request;
    int perform(const Request& request);
    int performWithFallbacks(const Request& request);
    std::string folderUrl(const std::string& folder) const;
    void fail(int code);
    bool refuseUnsafe(const std::string& folder, const std::string& name);

    ServerAddress address_;
    std::function<bool()> stopRequested_;
    ClientOptions options_;
    void* handle_ = nullptr;
    bool passive_ = false;
    bool mlsd_ = true;
    std::size_t requests_ = 0;
    std::string body_;
    std::string lastReply_;
    std::string lastErrorReply_;
    std::string error_;
    char errorBuffer_[256 + 1] = {};
};

}  // namespace publish
