#include "db/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <system_error>

#include "core/Dates.h"

namespace db {

namespace {

std::string readAll(int fd) {
    std::string text;
    char buf[256];
    ssize_t n;
    if (lseek(fd, 0, SEEK_SET) < 0) return text;
    while ((n = ::read(fd, buf, sizeof buf)) > 0 && text.size() < 1024) text.append(buf, static_cast<std::size_t>(n));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

std::string holderText() {
    char host[256] = {0};
    gethostname(host, sizeof host - 1);
    return "process " + std::to_string(static_cast<long>(getpid())) + " on " + host + ", since " +
           core::formatDate(std::time(nullptr), "%H:%M:%S %d.%m.%Y") + "\n";
}

}  // namespace

bool InstanceLock::take(const std::filesystem::path& file, std::string& heldBy) {
    release();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        heldBy = "the lock file " + file.string() + " cannot be opened: " + std::strerror(errno);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldBy = errno == EWOULDBLOCK ? readAll(fd) : std::string(std::strerror(errno));
        if (heldBy.empty()) heldBy = "another process";
        ::close(fd);
        return false;
    }
    const std::string me = holderText();
    if (ftruncate(fd, 0) == 0) {
        [[maybe_unused]] ssize_t n = pwrite(fd, me.data(), me.size(), 0);
    }
    fd_ = fd;
    return true;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    [[maybe_unused]] int rc = ftruncate(fd_, 0);
    ::close(fd_);  // closing ends the lock
    fd_ = -1;
}

std::string alreadyRunningMessage(const std::string& database, const std::string& heldBy) {
    return "Reed Mere is already running on the database " + database + " (" + heldBy +
           ").\nOnly one copy may use a database at a time; this one closes.";
}

}  // namespace db
