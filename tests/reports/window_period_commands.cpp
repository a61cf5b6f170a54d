// The main window's "Business report" and "All species": each runs on the
// window's background job with the settings as they are, logs its title,
// its months or species and "Complete", and writes its page.
#include <QAction>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "farm/FarmWorld.h"
#include "site/SiteWorld.h"
#include "core/Dates.h"
#include "reports/PeriodReport.h"
#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"

using farmtest::FarmWorld;
using sitetest::bytesOf;

namespace {

// The farm with the expected pages' template in its work directory.
struct PeriodWorld : FarmWorld {
    platform::ScriptedPrompter prompter;
    PeriodWorld() { sitetest::writeBytes(workDir() / "blank.html", sitetest::kTemplate); }
    std::filesystem::path report(const std::string& name) const { return workDir() / "Reports" / name; }
};

}  // namespace

class PeriodCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PeriodWorld> world_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<CMainFrame> frame_;

    void open() {
        frame_ = std::make_unique<CMainFrame>(app::ShellContext{*settings_, world_->doc, world_->prompter, {}, {}});
    }
    void runToTheEnd(int id) {
        QAction* entry = frame_->command(id);
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame_->commands().work().busy(), 20000);
    }
    // The log's texts, oldest first.
    QStringList logTexts() {
        QStringList out;
        QTableWidget* t = frame_->view()->table();
        for (int r = t->rowCount() - 1; r >= 0; --r) out << t->item(r, 1)->text();
        return out;
    }

private slots:
    void init() {
        world_ = std::make_unique<PeriodWorld>();
        settings_ = std::make_unique<core::Settings>();
        settings_->Application_path = world_->workDir().string();
        settings_->Fishbreeder = "Reed";
        settings_->viewerCommand = "true ";
    }
    void cleanup() {
        frame_.reset();
        settings_.reset();
        world_.reset();
    }

    void businessReportRunsOverTheSettingsPeriod() {
        // A tank bought today: "all" is this month alone.
        const std::time_t now = std::time(nullptr);
        world_->exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
                     "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (50,'',0,0,0," +
                     farmtest::stamp(core::formatDate(now, "%Y-%m-%d")) + "," + farmtest::kNotSet + ",700,0)");
        settings_->Archiv_fish_from = "all";
        open();
        runToTheEnd(app::ID_BUSINESS_REPORT);
        const QString month = QString::fromStdString(
            reports::monthAndYear(std::stoul(core::formatDate(now, "%m")), std::stoul(core::formatDate(now, "%Y"))));
        QCOMPARE(logTexts(), (QStringList{"************** Commercial report for period *************", month,
                                          "************** Complete *************"}));
        const std::string page = bytesOf(world_->report("period.html"));
        QVERIFY(page.find("<title>Report for last all</title>") != std::string::npos);
        QVERIFY(page.find("<b>$-7.00</b>") != std::string::npos);

        // The period is read at each run.
        settings_->Archiv_fish_from = "month";
        runToTheEnd(app::ID_BUSINESS_REPORT);
        QCOMPARE(logTexts().size(), 4);
        QVERIFY(bytesOf(world_->report("period.html")).find("<title>Report for last month</title>") !=
                std::string::npos);
    }

    void allSpeciesListsTheLivingStock() {
        int tank = world_->tank(1000, 400, 200, "");  // 80 litres
        world_->lot({.taxon = world_->shrimp, .tank = tank, .males = 6, .size = 1});
        open();
        runToTheEnd(app::ID_ALL_SPECIES);
        QCOMPARE(logTexts(), (QStringList{"************** Commercial report *************", "Neocaridina davidi",
                                          "************** Complete *************"}));
        const std::string page = bytesOf(world_->report("commercial.html"));
        QVERIFY(page.find("<td width=\"10%\" align=\"center\">80 ltrs</td>") != std::string::npos);
        QVERIFY(world_->prompter.shown().empty());
    }

    void aMissingTemplateEndsWithTheMessageAndNoCompleteLine() {
        std::filesystem::remove(world_->workDir() / "blank.html");
        open();
        runToTheEnd(app::ID_ALL_SPECIES);
        QCOMPARE(logTexts(), QStringList{"************** Commercial report *************"});
        QVERIFY(QString::fromStdString(world_->prompter.lastText()).endsWith(" is absent!"));
    }
};

QTEST_MAIN(PeriodCommandsTest)
#include "window_period_commands.moc"
