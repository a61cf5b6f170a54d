#include "db/Backup.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include <QCoreApplication>
#include <QString>

#include "core/Dates.h"

namespace db {

namespace fs = std::filesystem;

namespace {

constexpr const char* kContentsTable = "Backup contents";
constexpr const char* kWeeklyPrefix = "Reedmere-weekly-";

std::string fileConnection(const fs::path& file) {
    return "DRIVER=SQLite3;Database=" + file.string() + ";NoWCHAR=1;Timeout=" + std::to_string(kLockTimeoutMs);
}

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string say(const QString& text) { return text.toStdString(); }
std::string nothingChanged() { return say(QCoreApplication::translate("Backup", "Nothing was changed.")); }

std::vector<std::string> texts(Connection& c, const std::string& sql, const std::vector<Value>& params = {}) {
    std::vector<std::string> out;
    c.query(
        sql, {ColumnKind::Memo}, [&](std::vector<Value>& row) { out.push_back(textOf(row[0])); }, params);
    return out;
}

std::vector<std::string> tableNames(Connection& c) {
    return texts(c,
                 "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                 "ORDER BY name");
}

std::vector<std::string> columnNames(Connection& c, const std::string& table) {
    return texts(c, "SELECT name FROM pragma_table_info(?) ORDER BY cid", {table});
}

std::optional<std::string> readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool hasSqliteHeader(const fs::path& file) {
    static const char kHeader[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    char head[16] = {0};
    std::ifstream in(file, std::ios::binary);
    return in.read(head, sizeof head) && std::memcmp(head, kHeader, sizeof head) == 0;
}

// A name in folder not yet taken: base + ext, else base-2 + ext, ...
fs::path freeName(const fs::path& folder, const std::string& base, const std::string& ext) {
    std::error_code ec;
    fs::path p = folder / (base + ext);
    for (int n = 2; fs::exists(p, ec) && n < 1000; ++n) p = folder / (base + "-" + std::to_string(n) + ext);
    return p;
}

// Reads every record object of the document again after the file changed
// under the connection.
void reconnect(CFishesDoc& doc, const DataSourceChoice& source) {
    connect(*doc.db, source);
    Recordset* members[] = {doc.taxa.get(),       doc.taxa2.get(),        doc.commonNames.get(), doc.lots.get(),
                            doc.tanks.get(),      doc.spawnings.get(),    doc.ranks.get(),       doc.habitats.get(),
                            doc.expenses.get(),   doc.expenseKinds.get(), doc.animalCards.get(), doc.animalCards2.get(),
                            doc.plantCards.get(), doc.plantCards2.get(),  doc.prices.get(),      doc.descriptions.get(),
                            doc.journal.get(),    doc.links.get()};
    for (Recordset* r : members)
        if (r) r->requery();
}

RestoreResult refused(const std::string& why) {
    RestoreResult r;
    r.message = why;
    return r;
}

}  // namespace

std::string defaultBackupName(std::time_t when) {
    return "Reedmere-" + core::formatDate(when, "%Y-%m-%d") + kBackupExtension;
}

void writeBackup(Connection& c, const fs::path& file, const fs::path& settingsFile, std::time_t when) {
    if (c.engine() != Engine::SQLite)
        throw DbError(say(QCoreApplication::translate("Backup", "Only the embedded database file can be backed up.")));
    if (c.inTransaction())
        throw DbError(say(
            QCoreApplication::translate("Backup", "The database is being written; try the backup again afterwards.")));
    fs::path partial = file;
    partial += ".partial";
    std::error_code ec;
    fs::remove(partial, ec);
    try {
        c.execute("VACUUM INTO ?", {partial.string()});
        Connection out;
        out.open(fileConnection(partial));
        Transaction t(out);
        out.execute(std::string("CREATE TABLE \"") + kContentsTable + "\" (\"Name\" TEXT, \"Value\" TEXT)");
        const std::string insert = std::string("INSERT INTO \"") + kContentsTable + "\" VALUES (?, ?)";
        out.execute(insert, {std::string("program"), std::string("Reedmere")});
        out.execute(insert, {std::string("made"), core::formatDate(when, "%Y-%m-%d %H:%M:%S")});
        if (auto settings = settingsFile.empty() ? std::nullopt : readWhole(settingsFile))
            out.execute(insert, {std::string("settings"), *settings});
        t.commit();
        out.close();
    } catch (const std::exception& e) {
        fs::remove(partial, ec);
        throw DbError(say(QCoreApplication::translate("Backup", "The backup %1 could not be written:\n%2")
                              .arg(q(file.string()), q(e.what()))));
    }
    fs::rename(partial, file, ec);
    if (ec) {
        fs::remove(partial, ec);
        throw DbError(say(QCoreApplication::translate("Backup", "The backup %1 could not be written:\n%2")
                              .arg(q(file.string()), q(ec.message()))));
    }
}

std::string checkBackup(Connection& reference, const fs::path& file) {
    std::error_code ec;
    if (fs::file_size(file, ec) == 0 || ec) return say(QCoreApplication::translate("Backup", "The file is empty."));
    if (!hasSqliteHeader(file))
        return say(QCoreApplication::translate("Backup", "The file is not a database backup of this program."));
    try {
        Connection c;
        c.open(fileConnection(file));
        std::vector<std::string> integrity = texts(c, "PRAGMA integrity_check");
        if (integrity.size() != 1 || integrity.front() != "ok")
            return say(QCoreApplication::translate("Backup", "The file is damaged: %1")
                           .arg(q(integrity.empty() ? std::string("?") : integrity.front())));
        std::vector<std::string> known = tableNames(reference);
        std::vector<std::string> found = tableNames(c);
        found.erase(std::remove(found.begin(), found.end(), kContentsTable), found.end());
        if (found != known)
            return say(
                QCoreApplication::translate("Backup", "The file does not hold the fifteen tables of this program."));
        for (const std::string& table : known)
            if (columnNames(c, table) != columnNames(reference, table))
                return say(QCoreApplication::translate(
                               "Backup", "The table \"%1\" of the file has columns this program does not know.")
                               .arg(q(table)));
    } catch (const std::exception& e) {
        return say(QCoreApplication::translate("Backup", "The file cannot be read as a database: %1").arg(q(e.what())));
    }
    return {};
}

RestoreResult restoreBackup(CFishesDoc& doc, const DataSourceChoice& source, const fs::path& backup, std::time_t when) {
    if (!source.embedded)
        return refused(
            say(QCoreApplication::translate("Backup",
                                            "Restore works on the embedded database file only; it is not available for "
                                            "the data source %1.")
                    .arg(q(source.name))));
    if (doc.db->inTransaction())
        return refused(
            say(QCoreApplication::translate("Backup", "The database is being written; try again afterwards.")));
    std::error_code ec;
    fs::path work = source.file;
    work += ".restore";
    fs::remove(work, ec);
    // Every check runs on a copy: the chosen file is only read.
    if (!fs::copy_file(backup, work, fs::copy_options::overwrite_existing, ec) || ec)
        return refused(say(QCoreApplication::translate("Backup", "The file %1 cannot be read: %2")
                               .arg(q(backup.string()), q(ec.message()))));
    RestoreResult result;
    try {
        if (std::string why = checkBackup(*doc.db, work); !why.empty()) {
            fs::remove(work, ec);
            return refused(why + "\n" + nothingChanged());
        }
        Connection c;
        c.open(fileConnection(work));
        if (!texts(c, "SELECT name FROM sqlite_master WHERE type='table' AND name=?", {std::string(kContentsTable)})
                 .empty()) {
            std::vector<std::string> settings =
                texts(c, std::string("SELECT \"Value\" FROM \"") + kContentsTable + "\" WHERE \"Name\"='settings'");
            if (!settings.empty()) result.settingsText = settings.front();
            c.execute(std::string("DROP TABLE \"") + kContentsTable + "\"");
        }
        c.close();
    } catch (const std::exception& e) {
        fs::remove(work, ec);
        return refused(
            say(QCoreApplication::translate("Backup", "The file cannot be read as a database: %1").arg(q(e.what()))) +
            "\n" + nothingChanged());
    }

    const fs::path kept = freeName(source.file.parent_path(),
                                   "Reedmere-before-restore-" + core::formatDate(when, "%Y%m%d-%H%M%S"), ".db");
    doc.db->close();
    fs::rename(source.file, kept, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(work, ec);
        reconnect(doc, source);
        return refused(
            say(QCoreApplication::translate("Backup", "The current database could not be kept aside: %1").arg(q(why))) +
            "\n" + nothingChanged());
    }
    fs::rename(work, source.file, ec);
    std::string failure = ec ? ec.message() : std::string();
    if (failure.empty()) {
        try {
            reconnect(doc, source);
        } catch (const std::exception& e) {
            failure = e.what();
            doc.db->close();
        }
    }
    if (!failure.empty()) {
        // The old file goes back, whatever stands in its place now.
        fs::remove(source.file, ec);
        fs::remove(work, ec);
        fs::rename(kept, source.file, ec);
        reconnect(doc, source);
        return refused(say(QCoreApplication::translate(
                               "Backup", "The backup could not be put in place: %1\nThe database is as it was.")
                               .arg(q(failure))));
    }
    result.restored = true;
    result.keptCopy = kept;
    result.message = say(QCoreApplication::translate(
                             "Backup", "The database was restored from %1.\nThe replaced database was kept as %2.")
                             .arg(q(backup.string()), q(kept.string())));
    return result;
}

std::vector<fs::path> weeklyBackups(const fs::path& folder) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kWeeklyPrefix, 0) == 0 && it->path().extension() == kBackupExtension) out.push_back(it->path());
    }
    // The date in the name sorts as the time it was made.
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<fs::path> weeklyBackupIfDue(Connection& c, const fs::path& folder, const fs::path& settingsFile,
                                          std::time_t now) {
    std::vector<fs::path> existing = weeklyBackups(folder);
    if (!existing.empty()) {
        const std::string stem = existing.back().stem().string();
        const std::string day = stem.substr(std::strlen(kWeeklyPrefix));
        int y = 0, m = 0, d = 0;
        if (std::sscanf(day.c_str(), "%4d-%2d-%2d", &y, &m, &d) == 3) {
            std::time_t last = core::localDate(d, m, y);
            // A clock set back does not stop the backups for good.
            if (now >= last && now - last < kWeeklyBackupDays * 24 * 3600 - 3600) return std::nullopt;
        }
    }
    fs::path file = freeName(folder, kWeeklyPrefix + core::formatDate(now, "%Y-%m-%d"), kBackupExtension);
    writeBackup(c, file, settingsFile, now);
    existing = weeklyBackups(folder);
    std::error_code ec;
    for (std::size_t i = 0; i + kWeeklyBackupsKept < existing.size(); ++i) fs::remove(existing[i], ec);
    return file;
}

}  // namespace db
