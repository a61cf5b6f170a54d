// The Databases menu's backup, restore and export commands through the main
// window's command map, with the file dialog answered by the test.
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "db/Backup.h"
#include "platform/SettingsBackend.h"
#include "platform/TextFile.h"
#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/common/FileChoice.h"
#include "CsvReadBack.h"
#include "FarmWorld.h"
#include "WindowHelpers.h"

using namespace farmtest;
namespace fs = std::filesystem;

namespace {

struct Shell : FarmWorld {
    core::Settings settings;
    platform::ScriptedPrompter prompter;
    app::ShellContext shell{settings, doc, prompter, nullptr, nullptr};
    std::vector<ui::FileRequest> asked;
    std::optional<std::string> answer;
    ui::FileChooser previous;
    Shell() {
        settings.Weekly_backup = 0;
        previous = ui::replaceFileChooser([this](QWidget*, const ui::FileRequest& r) {
            asked.push_back(r);
            return answer;
        });
    }
    ~Shell() { ui::replaceFileChooser(previous); }
    std::string topLogLine(CFishesView& view) {
        auto* item = view.table()->item(0, 1);
        return item ? item->text().toStdString() : std::string();
    }
    std::vector<fs::path> kept() const {
        std::vector<fs::path> out;
        for (auto& e : fs::directory_iterator(databaseFile().parent_path()))
            if (e.path().filename().string().rfind("Reedmere-before-restore-", 0) == 0) out.push_back(e.path());
        return out;
    }
};

std::string bytesOf(const fs::path& p) {
    std::string b;
    platform::readBytes(p, b);
    return b;
}

}  // namespace

class BackupCommands : public QObject {
    Q_OBJECT
private slots:
    // A backup made through the menu, then changes to the farm and the
    // settings, then the restore: both come back, the replaced file is kept.
    void backUpThenRestore() {
        Shell w;
        int tank = w.tank(600, 300, 350, "show");
        w.settings.Empty_tank = "Bucket";
        CFishesView view(w.shell, nullptr);
        app::MainCommands commands(w.shell, view);
        const std::string file = (w.root() / "mine").string();
        w.answer = file;
        commands.run(app::ID_BACK_UP);
        QCOMPARE(w.asked.size(), std::size_t(1));
        QVERIFY(w.asked[0].proposal.endsWith(QString::fromStdString(db::defaultBackupName(std::time(nullptr)))));
        QVERIFY(fs::exists(file + db::kBackupExtension));
        QVERIFY(w.topLogLine(view).find(file + db::kBackupExtension) != std::string::npos);

        w.exec("DELETE FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(tank));
        w.tank(400, 300, 300, "later");
        w.settings.Empty_tank = "Jar";
        w.answer = file + db::kBackupExtension;
        w.prompter.answerNext(platform::Answer::No);
        commands.run(app::ID_RESTORE);
        QCOMPARE(w.count("Aquariums", "\"Other\"='later'"), 1);
        QVERIFY(w.kept().empty());

        w.prompter.answerNext(platform::Answer::Yes);
        commands.run(app::ID_RESTORE);
        QCOMPARE(w.count("Aquariums", "\"Other\"='later'"), 0);
        QCOMPARE(w.count("Aquariums", "\"Other\"='show'"), 1);
        QCOMPARE(w.kept().size(), std::size_t(1));
        QVERIFY(w.prompter.lastText().find(w.kept()[0].string()) != std::string::npos);
        QCOMPARE(w.settings.Empty_tank, std::string("Bucket"));
        QCOMPARE(w.settings.Application_path, core::Settings().Application_path);
    }

    void aRefusedFileChangesNothing() {
        Shell w;
        w.tank(600, 300, 350, "show");
        CFishesView view(w.shell, nullptr);
        app::MainCommands commands(w.shell, view);
        const fs::path empty = w.root() / "empty.rmbackup";
        std::ofstream(empty).close();
        const std::string before = bytesOf(w.databaseFile());
        w.answer = empty.string();
        w.prompter.answerNext(platform::Answer::Yes);
        commands.run(app::ID_RESTORE);
        QCOMPARE(w.prompter.shown().back().text.substr(0, 18), std::string("The file is empty."));
        QCOMPARE(bytesOf(w.databaseFile()), before);
        QCOMPARE(w.count("Aquariums", "\"Other\"='show'"), 1);
        QVERIFY(w.kept().empty());
        // Cancelling the file dialog asks nothing.
        w.answer.reset();
        const std::size_t shown = w.prompter.shown().size();
        commands.run(app::ID_RESTORE);
        QCOMPARE(w.prompter.shown().size(), shown);
    }

    void weeklyBackupOnceTheWindowIsUpAndItsSwitch() {
        Shell w;
        w.settings.Weekly_backup = 1;
        CFishesView view(w.shell, nullptr);
        {
            QVERIFY(db::weeklyBackups(w.databaseFile().parent_path()).empty());
            app::MainCommands commands(w.shell, view);
            QCOMPARE(db::weeklyBackups(w.databaseFile().parent_path()).size(), std::size_t(1));
            QVERIFY(w.prompter.shown().empty());
            w.prompter.answerNext(platform::Answer::No);
            commands.run(app::ID_WEEKLY_BACKUP);
            QCOMPARE(w.settings.Weekly_backup, 0);
            QVERIFY(w.prompter.lastText().find("are on") != std::string::npos);
        }
        // Not again within the week, nor when switched off.
        app::MainCommands again(w.shell, view);
        QCOMPARE(db::weeklyBackups(w.databaseFile().parent_path()).size(), std::size_t(1));
        w.prompter.answerNext(platform::Answer::Yes);
        again.run(app::ID_WEEKLY_BACKUP);
        QCOMPARE(w.settings.Weekly_backup, 1);
    }

    void exportsGoToTheChosenFiles() {
        Shell w;
        int tank = w.tank(600, 300, 350, "show");
        w.lot({w.species, tank, 3});
        w.settings.Archiv_fish_from = "month";
        CFishesView view(w.shell, nullptr);
        app::MainCommands commands(w.shell, view);
        w.answer = (w.root() / "lots.csv").string();
        commands.run(app::ID_EXPORT_LOTS);
        CsvRows lots = readCsvWithPython(w.root() / "lots.csv");
        QCOMPARE(lots.size(), std::size_t(2));
        QCOMPARE(lots[1][1], std::string("Apistogramma agassizii"));
        QCOMPARE(w.topLogLine(view), "1 rows written to " + *w.answer);
        w.answer = (w.root() / "expenses.csv").string();
        commands.run(app::ID_EXPORT_EXPENSES);
        QCOMPARE(readCsvWithPython(w.root() / "expenses.csv").size(), std::size_t(1));
        w.answer = (w.root() / "period.csv").string();
        commands.run(app::ID_EXPORT_PERIOD);
        CsvRows period = readCsvWithPython(w.root() / "period.csv");
        QCOMPARE(period.back()[0], std::string("In all"));
        // A folder that does not exist is reported, not fatal.
        w.answer = (w.root() / "missing" / "lots.csv").string();
        commands.run(app::ID_EXPORT_LOTS);
        QVERIFY(w.prompter.lastText().find("could not be written") != std::string::npos);
    }
};

QTEST_MAIN(BackupCommands)
#include "window_backup_commands.moc"
