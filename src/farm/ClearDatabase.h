// "Clear database": deletes every lot with the spawnings it parented and
// their offspring, every tank in service, the expense kinds, the expenses
// and the price cards, with one progress line per row. The embedded
// database file is copied beside itself first.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "db/CFishesDoc.h"
#include "platform/Prompter.h"

namespace farm {

inline constexpr const char* kClearQuestion =
    "All database information about your fishfarm\nwill be lost!!!\nAre you sure?";

// "Reedmere-before-clear-YYYYMMDD-HHMMSS.db" in the database file's folder.
std::filesystem::path clearBackupPath(const std::filesystem::path& databaseFile, std::time_t when);

// The progress line that says where the copy is.
std::string clearCopyLine(const std::filesystem::path& copy);

struct ClearTarget {
    db::CFishesDoc& doc;
    platform::Prompter& prompter;
    platform::Log& log;
    std::function<void()> emptyLog;                    // empties the progress list; may be empty
    std::optional<std::filesystem::path> embeddedFile;  // the file to copy first, if any
    std::filesystem::path copyWritten = {};             // set to the copy once written
    std::function<void(bool)> busy = {};                // on while the work runs (the wait cursor)
};

// Asks first; false when the answer was No or the copy could not be written
// (then nothing is deleted). All deletions happen in one transaction.
bool clearDatabase(ClearTarget& target);

}  // namespace farm
