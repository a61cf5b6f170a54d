// A real FTP server on 127.0.0.1 for the upload tests: pyftpdlib on a free
// port with one user, serving a temporary folder, stopped with the test.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/BackgroundWork.h"
#include "publish/UploadWalk.h"

namespace ftptest {

namespace fs = std::filesystem;

inline QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "test_publish";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

inline int freePort() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

inline bool accepts(int port) {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

class FtpServer {
public:
    static constexpr const char* kUser = "breeder";
    static constexpr const char* kPassword = "s3cret";

    // Without machine listings the server answers MLSD with "500", as old servers do.
    // A read-only server refuses every upload and folder.
    explicit FtpServer(const fs::path& root, bool machineListing = true, bool writable = true)
        : root_(root), port_(freePort()), machineListing_(machineListing), writable_(writable) {
        fs::create_directories(root_);
        start();
    }
    ~FtpServer() { stop(); }

    void start() {
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        const QString root = QString::fromStdString(root_.string());
        if (machineListing_)
            process_.start("/usr/bin/python3", {"-m", "pyftpdlib", "-i", "127.0.0.1", "-p", QString::number(port_),
                                                writable_ ? "-w" : "-V", "-d", root, "-u", kUser, "-P", kPassword});
        else
            process_.start("/usr/bin/python3", {"-c", kWithoutMlsd, QString::number(port_), root, kUser, kPassword});
        if (!process_.waitForStarted(5000)) throw std::runtime_error("pyftpdlib did not start");
        QElapsedTimer timer;
        timer.start();
        while (!accepts(port_)) {
            if (timer.elapsed() > 10000) throw std::runtime_error("pyftpdlib does not listen");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(5000);
    }

    int port() const { return port_; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    const fs::path& root() const { return root_; }

private:
    static constexpr const char* kWithoutMlsd =
        "import sys\n"
        "from pyftpdlib.authorizers import DummyAuthorizer\n"
        "from pyftpdlib.handlers import FTPHandler\n"
        "from pyftpdlib.servers import FTPServer\n"
        "port, root, user, password = sys.argv[1:5]\n"
        "class Handler(FTPHandler):\n"
        "    proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items() if k not in ('MLSD', 'MLST')}\n"
        "Handler.authorizer = DummyAuthorizer()\n"
        "Handler.authorizer.add_user(user, password, root, perm='elradfmwMT')\n"
        "FTPServer(('127.0.0.1', int(port)), Handler).serve_forever()\n";

    fs::path root_;
    int port_;
    bool machineListing_;
    bool writable_;
    QProcess process_;
};

// Every file below a folder with its bytes, by path relative to it.
inline std::map<std::string, std::string> filesBelow(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        out[fs::relative(e.path(), dir).string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return out;
}

inline std::map<std::string, bool> foldersBelow(const fs::path& dir) {
    std::map<std::string, bool> out;
    for (auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_directory()) out[fs::relative(e.path(), dir).string()] = true;
    return out;
}

inline void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Keeps every line ever shown and the log as the window shows it.
class HistoryLog : public publish::UploadLog {
public:
    void line(const std::string& text) override {
        lines.insert(lines.begin(), text);
        history.push_back(text);
    }
    void clear() override { lines.clear(); }
    void replaceNewest(const std::string& text) override {
        if (lines.empty()) lines.push_back(text);
        else lines.front() = text;
        history.push_back(text);
        if (onLine) onLine(text);
    }
    bool shown(const std::string& text) const {
        for (auto& l : history)
            if (l == text) return true;
        return false;
    }
    int countEnding(const std::string& tail) const {
        int n = 0;
        for (auto& l : lines)
            if (l.size() >= tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0) ++n;
        return n;
    }
    std::vector<std::string> lines;    // newest first
    std::vector<std::string> history;  // oldest first, replacements included
    std::function<void(const std::string&)> onLine;
};

// Runs the event loop as the program's would until the work is idle.
inline void runUntilIdle(platform::BackgroundWork& work, int limitMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (work.busy() && timer.elapsed() < limitMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace ftptest
