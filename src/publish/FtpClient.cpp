#include "publish/FtpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <sstream>
#include <vector>

namespace publish {

namespace {

struct UrlHandle {
    CURLU* url = curl_url();
    ~UrlHandle() { curl_url_cleanup(url); }
    std::string get(CURLUPart part) const {
        char* text = nullptr;
        if (curl_url_get(url, part, &text, 0) != CURLUE_OK || !text) return std::string();
        std::string out(text);
        curl_free(text);
        return out;
    }
};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimLineEnd(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line = trimLineEnd(line);
        if (!line.empty()) out.push_back(line);
    }
    return out;
}

std::int64_t toSize(const std::string& s) {
    if (s.empty()) return -1;
    std::int64_t v = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t collectBody(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// Every server reply line reaches here; the newest one (and the newest
// refusal) explain a failure better than the library's summary.
struct Replies {
    std::string* last;
    std::string* lastError;
};

size_t collectReply(char* data, size_t size, size_t count, void* target) {
    auto* replies = static_cast<Replies*>(target);
    std::string line = trimLineEnd(std::string(data, size * count));
    if (line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0]))) {
        *replies->last = line;
        if (line[0] == '4' || line[0] == '5') *replies->lastError = line;
    }
    return size * count;
}

int stopCheck(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* fn = static_cast<std::function<bool()>*>(stop);
    return (*fn && (*fn)()) ? 1 : 0;
}

bool refusedByServer(CURLcode code) {
    switch (code) {
    case CURLE_LOGIN_DENIED:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_QUOTE_ERROR:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
        return true;
    default:
        return false;
    }
}

bool activeModeFailed(CURLcode code) {
    return code == CURLE_FTP_PORT_FAILED || code == CURLE_FTP_ACCEPT_FAILED ||
           code == CURLE_FTP_ACCEPT_TIMEOUT;
}

bool commandUnknown(const std::string& reply) {
    return reply.rfind("500", 0) == 0 || reply.rfind("501", 0) == 0 || reply.rfind("502", 0) == 0 ||
           reply.rfind("504", 0) == 0;
}

std::string escapeSegment(CURL* handle, const std::string& segment) {
    char* escaped = curl_easy_escape(handle, segment.c_str(), static_cast<int>(segment.size()));
    std::string out = escaped ? escaped : "";
    curl_free(escaped);
    return out;
}

}  // namespace

std::optional<ServerAddress> parseServer(const std::string& text) {
    UrlHandle u;
    // Only a text without a scheme gets one: "ftp://" in front of a broken
    // "ftp://..." would read "ftp" as the host.
    bool parsed = curl_url_set(u.url, CURLUPART_URL, text.c_str(), 0) == CURLUE_OK;
    if (!parsed && text.find("://") == std::string::npos)
        parsed = curl_url_set(u.url, CURLUPART_URL, ("ftp://" + text).c_str(), 0) == CURLUE_OK;
    if (!parsed) return std::nullopt;
    if (lower(u.get(CURLUPART_SCHEME)) != "ftp") return std::nullopt;
    std::string host = u.get(CURLUPART_HOST);
    if (host.empty()) return std::nullopt;
    // The login belongs in the settings or ~/.netrc, never in the address kept for the walk.
    curl_url_set(u.url, CURLUPART_USER, nullptr, 0);
    curl_url_set(u.url, CURLUPART_PASSWORD, nullptr, 0);
    curl_url_set(u.url, CURLUPART_OPTIONS, nullptr, 0);
    curl_url_set(u.url, CURLUPART_QUERY, nullptr, 0);
    curl_url_set(u.url, CURLUPART_FRAGMENT, nullptr, 0);
    std::string path = u.get(CURLUPART_PATH);
    if (path.empty() || path.back() != '/') path += '/';
    curl_url_set(u.url, CURLUPART_PATH, path.c_str(), 0);
    std::string url = u.get(CURLUPART_URL);
    if (url.empty()) return std::nullopt;
    if (host.size() > 1 && host.front() == '[') host = host.substr(1, host.size() - 2);
    return ServerAddress{url, host};
}

std::string limitedErrorText(const std::string& text) {
    if (text.empty()) return "Unrecognized exception error";
    return text.substr(0, 1024);
}

bool safeRemoteName(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
    return true;
}

RemoteListing parseMlsd(const std::string& text) {
    RemoteListing out;
    for (const std::string& line : lines(text)) {
        std::size_t blank = line.find(' ');
        if (blank == std::string::npos) continue;
        std::string name = line.substr(blank + 1);
        std::istringstream facts(line.substr(0, blank));
        RemoteEntry entry;
        bool listed = false;
        for (std::string fact; std::getline(facts, fact, ';');) {
            std::size_t eq = fact.find('=');
            if (eq == std::string::npos) continue;
            std::string key = lower(fact.substr(0, eq));
            std::string value = lower(fact.substr(eq + 1));
            if (key == "type") {
                listed = value == "file" || value == "dir";
                entry.directory = value == "dir";
            } else if (key == "size") {
                entry.size = toSize(value);
            }
        }
        if (listed) out[name] = entry;
    }
    return out;
}

RemoteListing parseList(const std::string& text) {
    RemoteListing out;
    for (const std::string& line : lines(text)) {
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string w; words.size() < 8 && in >> w;) words.push_back(w);
        if (words.empty()) continue;
        RemoteEntry entry;
        std::string name;
        if (std::isdigit(static_cast<unsigned char>(words[0][0]))) {
            // DOS: date, time, "<DIR>" or size, name.
            if (words.size() < 4) continue;
            std::size_t at = line.find(words[2], line.find(words[1]) + words[1].size());
            at = line.find_first_not_of(' ', at + words[2].size());
            if (at == std::string::npos) continue;
            name = line.substr(at);
            entry.directory = words[2] == "<DIR>";
            entry.size = entry.directory ? -1 : toSize(words[2]);
        } else {
            if (words.size() < 8 || (words[0][0] != '-' && words[0][0] != 'd')) continue;
            std::string rest;
            std::getline(in >> std::ws, rest);
            name = rest;
            if (name.empty()) continue;
            entry.directory = words[0][0] == 'd';
            entry.size = toSize(words[4]);
        }
        if (name == "." || name == "..") continue;
        out[name] = entry;
    }
    return out;
}

bool netrcHasEntry(const std::string& netrcFile, const std::string& host) {
    if (netrcFile.empty() || host.empty()) return false;
    std::ifstream in(netrcFile);
    std::string word, previous;
    while (in >> word) {
        if (word == "default" || (previous == "machine" && lower(word) == lower(host))) return true;
        previous = word;
    }
    return false;
}

// One operation on the handle: which URL, and what to do there.
struct FtpClient::Request {
    enum Kind { Listing, Info, Upload } kind = Info;
    std::string url;
    std::vector<std::string> after;  // commands sent once the transfer is done
    std::FILE* source = nullptr;
    curl_off_t sourceSize = 0;
};

FtpClient::FtpClient(ServerAddress address, Credentials credentials, std::function<bool()> stopRequested,
                     ClientOptions options)
    : address_(std::move(address)), stopRequested_(std::move(stopRequested)), options_(std::move(options)) {
    initialiseOnce();
    CURL* h = curl_easy_init();
    handle_ = h;
    if (!h) return;
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer_);
    if (netrcHasEntry(options_.netrcFile, address_.host)) {
        curl_easy_setopt(h, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_REQUIRED));
        curl_easy_setopt(h, CURLOPT_NETRC_FILE, options_.netrcFile.c_str());
    } else {
        curl_easy_setopt(h, CURLOPT_USERNAME, credentials.login.c_str());
        curl_easy_setopt(h, CURLOPT_PASSWORD, credentials.password.c_str());
    }
    curl_easy_setopt(h, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(h, CURLOPT_FTPPORT, options_.activeAddress.c_str());
    curl_easy_setopt(h, CURLOPT_ACCEPTTIMEOUT_MS, options_.timeoutSeconds * 1000L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, options_.timeoutSeconds);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, options_.timeoutSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, options_.timeoutSeconds);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, stopCheck);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &stopRequested_);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, collectReply);
}

FtpClient::~FtpClient() {
    if (handle_) curl_easy_cleanup(static_cast<CURL*>(handle_));
}

std::string FtpClient::temporaryName(const std::string& name) { return ".upload-" + name; }

std::string FtpClient::folderUrl(const std::string& folder) const {
    std::string url = address_.baseUrl;
    std::size_t from = 0;
    while (from < folder.size()) {
        std::size_t slash = folder.find('/', from);
        if (slash == std::string::npos) slash = folder.size();
        if (slash > from) url += escapeSegment(static_cast<CURL*>(handle_), folder.substr(from, slash - from)) + "/";
        from = slash + 1;
    }
    return url;
}

int FtpClient::perform(const Request& request) {
    CURL* h = static_cast<CURL*>(handle_);
    ++requests_;
    body_.clear();
    lastReply_.clear();
    lastErrorReply_.clear();
    errorBuffer_[0] = '\0';
    Replies replies{&lastReply_, &lastErrorReply_};
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &replies);
    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &body_);
    curl_easy_setopt(h, CURLOPT_NOBODY, request.kind == Request::Info ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_UPLOAD, request.kind == Request::Upload ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, request.kind == Request::Listing && mlsd_ ? "MLSD" : nullptr);
    curl_easy_setopt(h, CURLOPT_READDATA, request.source);
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, request.kind == Request::Upload ? request.sourceSize : curl_off_t(-1));
    if (request.source) std::rewind(request.source);
    curl_slist* after = nullptr;
    for (const std::string& command : request.after) after = curl_slist_append(after, command.c_str());
    curl_easy_setopt(h, CURLOPT_POSTQUOTE, after);
    CURLcode code = curl_easy_perform(h);
    curl_easy_setopt(h, CURLOPT_POSTQUOTE, nullptr);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, nullptr);
    curl_slist_free_all(after);
    return code;
}

// Active mode fails behind many routers: the rest of the walk goes passive.
// A server without machine listings gets LIST from then on.
int FtpClient::performWithFallbacks(const Request& request) {
    int code = perform(request);
    if (activeModeFailed(static_cast<CURLcode>(code)) && !passive_) {
        passive_ = true;
        curl_easy_setopt(static_cast<CURL*>(handle_), CURLOPT_FTPPORT, nullptr);
        code = perform(request);
    }
    if (code != CURLE_OK && request.kind == Request::Listing && mlsd_ && commandUnknown(lastReply_)) {
        mlsd_ = false;
        code = perform(request);
    }
    if (code != CURLE_OK) fail(code);
    return code;
}

void FtpClient::fail(int code) {
    auto curlCode = static_cast<CURLcode>(code);
    std::string text;
    if (refusedByServer(curlCode) && !lastErrorReply_.empty())
        text = lastErrorReply_;
    else if (errorBuffer_[0])
        text = errorBuffer_;
    else
        text = curl_easy_strerror(curlCode);
    error_ = limitedErrorText(text);
}

bool FtpClient::connect(RemoteListing& siteFolder) { return list("", siteFolder); }

bool FtpClient::list(const std::string& folder, RemoteListing& entries) {
    if (!handle_) return false;
    Request request;
    request.kind = Request::Listing;
    request.url = folderUrl(folder);
    if (performWithFallbacks(request) != CURLE_OK) return false;
    entries = mlsd_ ? parseMlsd(body_) : parseList(body_);
    return true;
}

bool FtpClient::refuseUnsafe(const std::string& folder, const std::string& name) {
    bool safe = safeRemoteName(name);
    for (std::size_t from = 0; safe && from < folder.size();) {
        std::size_t slash = std::min(folder.find('/', from), folder.size());
        safe = safeRemoteName(folder.substr(from, slash - from));
        from = slash + 1;
    }
    if (!safe) error_ = "Unsafe remote name";
    return !safe;
}

bool FtpClient::probe() {
    if (!handle_) return false;
    Request request;
    request.kind = Request::Info;
    request.url = address_.baseUrl;
    return performWithFallbacks(request) == CURLE_OK;
}

bool FtpClient::makeDirectory(const std::string& parent, const std::string& name) {
    if (!handle_ || refuseUnsafe(parent, name)) return false;
    Request request;
    request.kind = Request::Info;
    request.url = folderUrl(parent);
    request.after = {"MKD " + name};
    return performWithFallbacks(request) == CURLE_OK;
}

bool FtpClient::upload(const std::filesystem::path& local, const std::string& folder, const std::string& name) {
    if (!handle_ || refuseUnsafe(folder, name)) return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(local.c_str(), "rb"), std::fclose);
    std::error_code ec;
    auto size = std::filesystem::file_size(local, ec);
    if (!file || ec) {
        error_ = limitedErrorText("Cannot read " + local.string());
        return false;
    }
    const std::string temporary = temporaryName(name);
    Request request;
    request.kind = Request::Upload;
    request.url = folderUrl(folder) + escapeSegment(static_cast<CURL*>(handle_), temporary);
    request.after = {"RNFR " + temporary, "RNTO " + name};
    request.source = file.get();
    request.sourceSize = static_cast<curl_off_t>(size);
    return performWithFallbacks(request) == CURLE_OK;
}

}  // namespace publish
