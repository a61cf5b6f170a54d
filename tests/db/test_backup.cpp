// Backing up the running database with the settings, restoring it, refusing
// files that are not backups, and the weekly backups in the data folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "db/Backup.h"

using testenv::DocWorld;

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

struct BackupWorld : DocWorld {
    const std::time_t now = core::localDate(8, 12, 2026) + 10 * 3600;
    fs::path backupFile() const { return root() / "chosen" / db::defaultBackupName(now); }
    BackupWorld() {
        fs::create_directories(backupFile().parent_path());
        fs::create_directories(settingsFile().parent_path());
        writeBytes(settingsFile(), "[Settings]\nDefault_aquarium=31\n");
    }
    int tanks(const std::string& other) {
        return std::stoi(scalar("SELECT COUNT(*) FROM \"Aquariums\" WHERE \"Other\"='" + other + "'"));
    }
    void addTank(const std::string& other) {
        exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\",\"Size_width\","
             "\"Price\",\"Price_out\") VALUES (0,'" + other + "',0,0,0,0,0)");
    }
    db::RestoreResult restore(const fs::path& file) {
        return db::restoreBackup(doc, db::chooseDataSource(), file, now + 60);
    }
    std::vector<fs::path> keptCopies() const {
        std::vector<fs::path> out;
        for (auto& e : fs::directory_iterator(databaseFile().parent_path()))
            if (e.path().filename().string().rfind("Reedmere-before-restore-", 0) == 0) out.push_back(e.path());
        return out;
    }
    std::vector<fs::path> leftovers() const {
        std::vector<fs::path> out;
        for (auto& e : fs::directory_iterator(databaseFile().parent_path())) {
            std::string ext = e.path().extension().string();
            if (ext == ".restore" || ext == ".partial") out.push_back(e.path());
        }
        return out;
    }
};

}  // namespace

TEST(Backup, DefaultNameCarriesTheDate) {
    EXPECT_EQ(db::defaultBackupName(core::localDate(8, 12, 2026) + 3600), "Reedmere-2026-12-08.rmbackup");
}

// The copy is taken through the running connection: a row being edited in
// a record object is not in it until written, and the restore of the
// backup undoes later changes, keeping the replaced file.
TEST(Backup, RestoreUndoesLaterChangesAndKeepsTheReplacedFile) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: backups copy the embedded database file";
    BackupWorld w;
    w.addTank("before");
    db::Aquarium tank(w.conn());
    tank.setFilter("Other='before'");
    tank.requery();
    ASSERT_FALSE(tank.isEOF());
    tank.edit();
    tank.m_Other = "pending";
    db::writeBackup(w.conn(), w.backupFile(), w.settingsFile(), w.now);
    tank.update();
    w.addTank("after");
    w.doc.tanks->requery();
    const std::string replaced = w.databaseFile().string();
    const std::string replacedBytes = bytesOf(w.databaseFile());

    db::RestoreResult r = w.restore(w.backupFile());
    ASSERT_TRUE(r.restored) << r.message;
    EXPECT_EQ(w.tanks("before"), 1);
    EXPECT_EQ(w.tanks("pending"), 0);
    EXPECT_EQ(w.tanks("after"), 0);
    // The document's record objects read the restored rows.
    int shown = 0;
    w.doc.tanks->setFilter("");
    w.doc.tanks->requery();
    for (; !w.doc.tanks->isEOF(); w.doc.tanks->moveNext()) shown += w.doc.tanks->m_Other == "after";
    EXPECT_EQ(shown, 0);
    // A record object made before the restore still works on the connection.
    tank.setFilter("Other='before'");
    tank.requery();
    EXPECT_FALSE(tank.isEOF());
    ASSERT_EQ(w.keptCopies().size(), 1u);
    EXPECT_EQ(r.keptCopy, w.keptCopies().front());
    EXPECT_EQ(bytesOf(r.keptCopy), replacedBytes);
    EXPECT_EQ(r.keptCopy.filename().string(), "Reedmere-before-restore-20261208-100100.db");
    ASSERT_TRUE(r.settingsText.has_value());
    EXPECT_EQ(*r.settingsText, "[Settings]\nDefault_aquarium=31\n");
    // The backup's own table does not stay in the database.
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM sqlite_master WHERE name='Backup contents'"), "0");
    EXPECT_TRUE(w.leftovers().empty());
    // The backup file itself was only read.
    EXPECT_EQ(db::checkBackup(w.conn(), w.backupFile()), "");
}

TEST(Backup, RefusedFilesChangeNothing) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: backups copy the embedded database file";
    BackupWorld w;
    w.addTank("kept");
    db::writeBackup(w.conn(), w.backupFile(), "", w.now);
    const std::string good = bytesOf(w.backupFile());
    ASSERT_GT(good.size(), 4096u);
    w.addTank("later");

    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string otherProgram;
    {
        // An SQLite file of another program: sound, but not our tables.
        fs::path other = w.root() / "chosen" / "other.sqlite";
        db::Connection c;
        c.open("DRIVER=SQLite3;Database=" + other.string() + ";NoWCHAR=1");
        c.execute("CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT)");
        c.execute("INSERT INTO notes (body) VALUES ('hello')");
        c.close();
        otherProgram = bytesOf(other);
    }
    std::string renamedColumn = good;
    // One column renamed in place (its check too): a sound file, an unknown schema.
    int renamed = 0;
    for (std::size_t at = renamedColumn.find("\"Volume_wc\""); at != std::string::npos;
         at = renamedColumn.find("\"Volume_wc\"", at), ++renamed)
        renamedColumn.replace(at + 1, 6, "Volumx");
    ASSERT_EQ(renamed, 2);
    const Case cases[] = {
        {"empty", ""},
        {"truncated", good.substr(0, good.size() / 2)},
        {"another program's", otherProgram},
        {"plain text", "Reedmere backup\r\nnot really\r\n"},
        {"unknown columns", renamedColumn},
    };
    const std::string before = bytesOf(w.databaseFile());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path file = w.root() / "chosen" / (std::string("case") + db::kBackupExtension);
        writeBytes(file, c.bytes);
        db::RestoreResult r = w.restore(file);
        EXPECT_FALSE(r.restored);
        EXPECT_NE(r.message, "");
        EXPECT_EQ(bytesOf(w.databaseFile()), before);
        EXPECT_EQ(w.tanks("later"), 1);
        EXPECT_TRUE(w.keptCopies().empty());
        EXPECT_TRUE(w.leftovers().empty());
        EXPECT_EQ(bytesOf(file), c.bytes);
    }
    EXPECT_EQ(db::checkBackup(w.conn(), w.root() / "chosen" / "case.rmbackup"),
              "The table \"Journal\" of the file has columns this program does not know.");
}

TEST(Backup, OnlyTheEmbeddedFileAndNotInsideAWrite) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: backups copy the embedded database file";
    BackupWorld w;
    db::writeBackup(w.conn(), w.backupFile(), "", w.now);
    db::DataSourceChoice users;
    users.name = "Reedmere";
    users.connectionString = "DSN=Reedmere";
    db::RestoreResult r = db::restoreBackup(w.doc, users, w.backupFile(), w.now);
    EXPECT_FALSE(r.restored);
    EXPECT_NE(r.message.find("not available"), std::string::npos);

    db::Transaction t(w.conn());
    EXPECT_THROW(db::writeBackup(w.conn(), w.root() / "chosen" / "inside.rmbackup", "", w.now), db::DbError);
    EXPECT_FALSE(fs::exists(w.root() / "chosen" / "inside.rmbackup"));
    EXPECT_FALSE(w.restore(w.backupFile()).restored);
}

TEST(Backup, WeeklyBackupsEveryWeekKeepingTheLastFive) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: backups copy the embedded database file";
    BackupWorld w;
    const fs::path folder = w.databaseFile().parent_path();
    std::time_t day = core::localDate(1, 1, 2026) + 12 * 3600;
    auto made = db::weeklyBackupIfDue(w.conn(), folder, w.settingsFile(), day);
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->filename().string(), "Reedmere-weekly-2026-01-01.rmbackup");
    EXPECT_FALSE(db::weeklyBackupIfDue(w.conn(), folder, w.settingsFile(), day + 6 * 86400).has_value());
    for (int week = 1; week <= 6; ++week)
        EXPECT_TRUE(db::weeklyBackupIfDue(w.conn(), folder, w.settingsFile(), day + week * 7 * 86400).has_value());
    std::vector<fs::path> kept = db::weeklyBackups(folder);
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(kept.front().filename().string(), "Reedmere-weekly-2026-01-15.rmbackup");
    EXPECT_EQ(kept.back().filename().string(), "Reedmere-weekly-2026-02-12.rmbackup");
    EXPECT_EQ(db::checkBackup(w.conn(), kept.back()), "");
    // The database file and the other backups are never among those removed.
    EXPECT_TRUE(fs::exists(w.databaseFile()));
}

// When the document cannot be reconnected to the restored file, the file
// it had goes back and the document works on it again.
TEST(Backup, AFailedReopenPutsTheOldFileBack) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: backups copy the embedded database file";
    BackupWorld w;
    w.addTank("old");
    db::writeBackup(w.conn(), w.backupFile(), "", w.now);
    w.addTank("newer");
    const std::string before = bytesOf(w.databaseFile());
    const std::string target = "Database=" + w.databaseFile().string() + ";";
    int failures = 1;
    auto isolation = [](const std::string& cs) {
        if (!testenv::isolationBreach(cs).empty()) std::abort();
    };
    db::setConnectionGuard([&](const std::string& cs) {
        isolation(cs);
        if (cs.find(target) != std::string::npos && failures-- > 0) throw db::DbError("injected: cannot open");
    });
    db::RestoreResult r = w.restore(w.backupFile());
    db::setConnectionGuard(isolation);
    EXPECT_FALSE(r.restored);
    EXPECT_NE(r.message.find("injected: cannot open"), std::string::npos);
    EXPECT_EQ(failures, -1);  // the put-back reopened
    EXPECT_EQ(bytesOf(w.databaseFile()), before);
    EXPECT_EQ(w.tanks("newer"), 1);
    w.doc.tanks->setFilter("Other='newer'");
    w.doc.tanks->requery();
    EXPECT_FALSE(w.doc.tanks->isEOF());
    EXPECT_TRUE(w.keptCopies().empty());
    EXPECT_TRUE(w.leftovers().empty());
}
