// Backing up and restoring the embedded database file together with the
// settings.
//
// A backup file is an SQLite database: a consistent copy of the running
// database (VACUUM INTO on the document's connection, so rows written by the
// program while it runs are either all in or all out) plus one table
// "Backup contents" holding the settings file's text, the time it was made
// and the program that made it. Any SQLite tool can open it.
//
// Restoring checks a copy of the chosen file (an SQLite header, the
// integrity check, the fifteen tables with the columns this program knows),
// keeps the current file under a dated name, puts the checked copy in its
// place by rename and reconnects the document; on any failure the kept file
// goes back. A refused file changes nothing.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace db {

inline constexpr const char* kBackupExtension = ".rmbackup";
inline constexpr int kWeeklyBackupsKept = 5;
inline constexpr int kWeeklyBackupDays = 7;

// "Reedmere-YYYY-MM-DD.rmbackup": the name the file dialog proposes.
std::string defaultBackupName(std::time_t when);

// Writes the backup file (replacing an older one of that name only once the
// new one is complete). settingsFile may be absent or empty: then the backup
// holds no settings. Throws DbError with the reason.
void writeBackup(Connection& c, const std::filesystem::path& file, const std::filesystem::path& settingsFile,
                 std::time_t when);

struct RestoreResult {
    bool restored = false;
    std::string message;                 // why it was refused, or what was done
    std::filesystem::path keptCopy;      // the database file as it was before
    std::optional<std::string> settingsText;  // the settings file's text the backup held
};

// Restores the embedded database from a backup file and reconnects the
// document. Refused (nothing changed) for a data source of the user's, a
// connection inside a transaction, or a file that fails a check.
RestoreResult restoreBackup(CFishesDoc& doc, const DataSourceChoice& source, const std::filesystem::path& backup,
                            std::time_t when);

// Why the file is not a backup this program can restore ("" when it is).
// The file itself is only read.
std::string checkBackup(Connection& reference, const std::filesystem::path& file);

// The weekly backups in the data folder, oldest first.
std::vector<std::filesystem::path> weeklyBackups(const std::filesystem::path& folder);

// Writes "Reedmere-weekly-YYYY-MM-DD.rmbackup" into folder when the newest
// weekly backup is at least seven days old (or there is none), then keeps
// only the last five. Returns the file written.
std::optional<std::filesystem::path> weeklyBackupIfDue(Connection& c, const std::filesystem::path& folder,
                                                       const std::filesystem::path& settingsFile, std::time_t now);

}  // namespace db
