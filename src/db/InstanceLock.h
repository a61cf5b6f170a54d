// One copy of the program per database: an exclusive lock on a small file
// that names the process holding it. The lock ends with the process, so a
// crashed copy never blocks the next start.
#pragma once

#include <filesystem>
#include <string>

namespace db {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock() { release(); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock; false when another process holds it, and heldBy then
    // says which one ("process 1234 on host, since ...") as far as it is known.
    bool take(const std::filesystem::path& file, std::string& heldBy);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The message of a start that finds the database taken.
std::string alreadyRunningMessage(const std::string& database, const std::string& heldBy);

}  // namespace db
