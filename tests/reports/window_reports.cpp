// The reports as the user starts them: the main window's menu entries and
// the panel's Sold, Died and Gifted buttons (the log of a run, the commands
// unavailable while it runs, a failing database, a missing template), the
// species chooser's buttons, the lot and incubator dialogs' Report buttons,
// and a run of 10,000 log lines.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <ctime>
#include <memory>

#include "ReportWorld.h"
#include "core/Dates.h"
#include "farm/WindowHelpers.h"
#include "reports/ReportRunner.h"
#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"
#include "ui/app/PanelLayout.h"
#include "ui/farm/Incubdial.h"
#include "ui/farm/Myfish.h"

using namespace reporttest;
using farmtest::click;
using farmtest::onNextDialog;

namespace {

const QString kComplete = QString::fromLatin1(reports::kCompleteLine);

// The incubator's choosers: only the archive period is ever asked for here.
class ArchiveChooser : public Incubdial::Choosers {
public:
    std::optional<int> lot(QWidget*, const std::string&, std::optional<int>) override { return std::nullopt; }
    std::optional<int> tank(QWidget*) override { return std::nullopt; }
    std::optional<int> number(QWidget*, const std::string&, int) override { return std::nullopt; }
    std::optional<int> species(QWidget*, int) override { return std::nullopt; }
    std::optional<std::string> archivePeriod(QWidget*, const std::string&) override { return "quarter"; }
};

// Names 10,000 items as fast as it can.
class ManyLines : public reports::Report {
public:
    std::string logTitle() const override { return "************** Many report *************"; }
    std::string output() const override { return "\\Reports\\many.html"; }
    std::string pageTitle() const override { return "<title>Many</title>\n"; }
    void writeBody(site::PageOut& out, const reports::ItemLog& item) override {
        for (int i = 0; i < 10000; ++i) item("line " + std::to_string(i));
        out.write("<p>many</p>\n");
    }
};

std::string isoToday() { return core::formatDate(std::time(nullptr), "%Y-%m-%d"); }

}  // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReportWorld> world_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<CMainFrame> frame_;

    ReportWorld& w() { return *world_; }
    void open() {
        frame_ = std::make_unique<CMainFrame>(app::ShellContext{*settings_, w().doc, w().prompter, {}, {}});
    }
    CFishesView* view() { return frame_->view(); }
    platform::BackgroundWork& work() { return frame_->commands().work(); }
    bool enabled(int id) { return frame_->command(id)->isEnabled(); }
    bool controlEnabled(int control) { return view()->control(control)->isEnabled(); }
    QLineEdit* field(int control) { return qobject_cast<QLineEdit*>(view()->control(control)); }
    void press(int control) {
        QTest::mouseClick(qobject_cast<QPushButton*>(view()->control(control)), Qt::LeftButton);
    }
    // The log's text column, newest line first.
    QStringList log() {
        QStringList texts;
        QTableWidget* t = view()->table();
        for (int r = 0; r < t->rowCount(); ++r) texts << t->item(r, 1)->text();
        return texts;
    }
    // Serves the worker's lines and its end, as the interface thread does.
    bool waitIdle() {
        QElapsedTimer timer;
        timer.start();
        while (work().busy() && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
        return !work().busy();
    }
    std::string page(const std::string& name) { return bytesOf(w().report(name)); }

private slots:
    void init() {
        world_ = std::make_unique<ReportWorld>();
        settings_ = std::make_unique<core::Settings>();
        settings_->Application_path = w().workDir().string();
        settings_->Fishbreeder = "Reed";
        settings_->viewerCommand = "true ";
    }
    void cleanup() {
        frame_.reset();
        world_.reset();
    }

    void reportOnTanksLogsEveryItemNewestFirstAndEndsWithComplete() {
        int small = w().tankOf(40, "show");
        int big = w().tankOf(100, "breeding");
        w().lotOf({.taxon = w().species, .tank = small, .males = 2, .other = "red"});
        w().lotOf({.taxon = w().shrimp, .tank = big, .fries = 12});
        open();
        frame_->command(app::ID_REPORT_ON_TANKS)->trigger();
        QVERIFY(waitIdle());

        const QStringList lines = log();
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), kComplete);
        QCOMPARE(lines[1], QString("Neocaridina davidi ()"));
        QVERIFY(lines[2].startsWith("Tank 100") && lines[2].endsWith(" litres"));
        QCOMPARE(lines[3], QString("Apistogramma agassizii (red)"));
        QVERIFY(lines[4].startsWith("Tank 40"));
        QCOMPARE(lines.last(), QString("************** Fishes report *************"));
        QTableWidget* t = view()->table();
        QVERIFY(QRegularExpression("^\\d\\d \\d\\d \\d{4}$").match(t->item(0, 0)->text()).hasMatch());
        // "%H %p": the locale may give no AM/PM text.
        QVERIFY(QRegularExpression("^\\d\\d ").match(t->item(0, 2)->text()).hasMatch());
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d$").match(t->item(0, 3)->text()).hasMatch());
        // The log replaced the balance: its rows open no dialog.
        QVERIFY(!view()->rows().balance);
        QVERIFY(page("fishes.html").find("Apistogramma agassizii (red)") != std::string::npos);
        QVERIFY(w().prompter.shown().empty());
    }

    void commandsAreUnavailableWhileAReportRunsAndBackAfter() {
        int tank = w().tankOf(40, "");
        int father = w().lotOf({.taxon = w().species, .tank = tank, .males = 1});
        int mother = w().lotOf({.taxon = w().species, .tank = tank, .females = 1});
        w().spawningOf(father, mother, 30, 20, 10, "2026-02-01");
        w().lotOf({.taxon = w().species, .tank = tank, .sale = isoToday(), .saled = 1, .outgo = 100});
        open();
        // The worker waits for the interface thread to show its first line,
        // which it cannot do before this test lets events run.
        frame_->command(app::ID_REPORT_ON_SPAWNINGS)->trigger();
        QVERIFY(work().busy());
        for (int id : {app::ID_REPORT_ON_TANKS, app::ID_REPORT_ON_SPAWNINGS, app::ID_SELECT_SPECIES,
                       app::ID_SPECIES_STATISTIC, app::ID_MY_FISHES, app::ID_INCUBATOR})
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
        for (int control : {app::IDC_SOLD, app::IDC_DIED, app::IDC_GIFTED, app::IDC_MY_FISHES, app::IDC_FROM_DATE,
                            app::IDC_TO_DATE})
            QVERIFY2(!controlEnabled(control), qPrintable(QString::number(control)));
        QVERIFY(enabled(app::ID_APP_ABOUT));
        // A report asked for some other way does not start beside the running one.
        frame_->commands().run(app::IDC_SOLD);
        frame_->commands().run(app::ID_REPORT_ON_TANKS);

        QVERIFY(waitIdle());
        for (int id : {app::ID_REPORT_ON_TANKS, app::ID_REPORT_ON_SPAWNINGS, app::ID_SELECT_SPECIES,
                       app::ID_SPECIES_STATISTIC, app::ID_MY_FISHES})
            QVERIFY(enabled(id));
        for (int control : {app::IDC_SOLD, app::IDC_DIED, app::IDC_GIFTED, app::IDC_FROM_DATE, app::IDC_TO_DATE})
            QVERIFY(controlEnabled(control));
        QCOMPARE(log(), (QStringList{kComplete, "01.02.2026: Apistogramma agassizii x Apistogramma agassizii",
                                     "************** Spawnings report *************"}));
        QVERIFY(fs::exists(w().report("matings.html")));
        QVERIFY(!fs::exists(w().report("sold.html")));
        QVERIFY(!fs::exists(w().report("fishes.html")));
    }

    void aWorkerWhoseDatabaseFailsEndsWithTheMessageAndTheProgramGoesOn() {
        w().lotOf({.taxon = w().species, .tank = w().tankOf(40, ""), .males = 1});
        open();
        w().exec("DROP TABLE \"Incubator\"");
        frame_->command(app::ID_REPORT_ON_SPAWNINGS)->trigger();
        QVERIFY(waitIdle());
        QCOMPARE(w().prompter.shown().size(), std::size_t(1));
        const QString message = QString::fromStdString(w().prompter.lastText());
        QVERIFY(message.contains("Incubator", Qt::CaseInsensitive));
        QCOMPARE(log(), (QStringList{message, "************** Spawnings report *************"}));
        QVERIFY(!fs::exists(w().report("matings.html")));

        QVERIFY(enabled(app::ID_REPORT_ON_TANKS));
        frame_->command(app::ID_REPORT_ON_TANKS)->trigger();
        QVERIFY(waitIdle());
        QCOMPARE(log().first(), kComplete);
        QVERIFY(fs::exists(w().report("fishes.html")));
    }

    void closingTheWindowDuringARunStopsItAndKeepsTheEarlierPage() {
        int tank = w().tankOf(40, "");
        w().lotOf({.taxon = w().species, .tank = tank, .males = 1});
        w().lotOf({.taxon = w().shrimp, .tank = tank, .fries = 3});
        sitetest::writeBytes(w().report("fishes.html"), "earlier page");
        open();
        frame_->command(app::ID_REPORT_ON_TANKS)->trigger();
        QVERIFY(work().busy());
        frame_->close();
        QVERIFY(!work().busy());
        QCOMPARE(work().lastEnd(), platform::JobEnd::Stopped);
        QCOMPARE(page("fishes.html"), std::string("earlier page"));
        QVERIFY(!log().contains(kComplete));
    }

    void aMissingTemplateLeavesOnlyTheTitleLine() {
        fs::remove(w().workDir() / "blank.html");
        open();
        frame_->command(app::ID_REPORT_ON_TANKS)->trigger();
        QVERIFY(waitIdle());
        QCOMPARE(log(), QStringList{"************** Fishes report *************"});
        QVERIFY(!fs::exists(w().report("fishes.html")));
        QVERIFY(QString::fromStdString(w().prompter.lastText()).endsWith(" is absent!"));
    }

    void soldButtonTotalsEqualThePanelsSoldFigure() {
        int tank = w().tankOf(40, "");
        // Sold on the period's first day, which a filter from the day after would drop.
        w().lotOf({.taxon = w().species, .tank = tank, .males = 1, .firstEat = "2025-06-01", .sale = "2026-02-01",
                   .saled = 3, .outgo = 150});
        w().lotOf({.taxon = w().shrimp, .tank = tank, .fries = 4, .firstEat = "2025-06-01", .dye = "2026-02-10",
                   .died = 2});
        settings_->Balance_from = "01.02.2026";
        open();
        farmtest::type(field(app::IDC_TO_DATE), "28.02.2026");
        QCOMPARE(field(app::IDC_SOLD_COUNT)->text(), QString("3($4.50)"));

        press(app::IDC_SOLD);
        QVERIFY(waitIdle());
        QCOMPARE(log(), (QStringList{kComplete, "Apistogramma agassizii", "************** Sold report *************"}));
        std::string sold = page("sold.html");
        QVERIFY(sold.find("Reed's fishfarm sold report for 01.02.2026-28.02.2026") != std::string::npos);
        QVERIFY(sold.find("<b>3</b></font> ($4.50)") != std::string::npos);  // the "In all" row

        press(app::IDC_DIED);
        QVERIFY(waitIdle());
        QCOMPARE(log(), (QStringList{kComplete, "Neocaridina davidi", "************** Died report *************"}));
        QVERIFY(page("died.html").find("<b>2</b></font> (10.02.2026)") != std::string::npos);

        press(app::IDC_GIFTED);
        QVERIFY(waitIdle());
        QCOMPARE(log(), (QStringList{kComplete, "************** Gifted report *************"}));
        QVERIFY(fs::exists(w().report("gifted.html")));
    }

    void anEmptyToFieldReportsUpToTodayAndShowsIt() {
        settings_->Balance_from = "01.01.2026";
        open();
        farmtest::type(field(app::IDC_TO_DATE), "");
        press(app::IDC_GIFTED);
        QVERIFY(waitIdle());
        const std::string today = core::formatDate(std::time(nullptr));
        QCOMPARE(field(app::IDC_TO_DATE)->text().toStdString(), today);
        QVERIFY(page("gifted.html").find("gifted report for 01.01.2026-" + today) != std::string::npos);
    }

    void speciesMenuEntriesAndTheChoosersButtons() {
        int tank = w().tankOf(40, "");
        w().lotOf({.taxon = w().species, .tank = tank, .males = 2});
        w().lotOf({.taxon = w().shrimp, .tank = tank});  // no living animals: only in the statistic's chooser
        open();

        // The chooser is modal: what it shows is read there and checked after it closed.
        int listed = 0;
        bool viewWrote = false;
        onNextDialog([&](QDialog* d) {
            auto* list = farmtest::child<QListWidget>(d, "list");
            listed = list->count();
            list->setCurrentRow(0);
            click(d, "view");
            viewWrote = fs::exists(w().report("species.html"));
            fs::remove(w().report("species.html"));
            click(d, "statistic");
            click(d, "ok");
        });
        frame_->command(app::ID_SELECT_SPECIES)->trigger();
        QCOMPARE(listed, 1);
        QVERIFY(viewWrote);
        QVERIFY(page("species.html").find("Report for Apistogramma agassizii") != std::string::npos);
        QVERIFY(page("stat.html").find("Complete report for Apistogramma agassizii") != std::string::npos);

        onNextDialog([&](QDialog* d) {
            auto* list = farmtest::child<QListWidget>(d, "list");
            listed = list->count();
            list->setCurrentRow(1);
            click(d, "ok");
        });
        frame_->command(app::ID_SPECIES_STATISTIC)->trigger();
        QCOMPARE(listed, 2);
        QVERIFY(page("stat.html").find("Complete report for Neocaridina davidi") != std::string::npos);

        // Cancel writes nothing.
        fs::remove(w().report("species.html"));
        onNextDialog([&](QDialog* d) { click(d, "cancel"); });
        frame_->command(app::ID_SELECT_SPECIES)->trigger();
        QVERIFY(!fs::exists(w().report("species.html")));
        QVERIFY(w().prompter.shown().empty());
    }

    void lotDialogReportWritesTheLotsItLists() {
        int first = w().tankOf(40, "show");
        int second = w().tankOf(100, "breeding");
        w().lotOf({.taxon = w().species, .tank = first, .males = 1, .other = "red"});
        w().lotOf({.taxon = w().shrimp, .tank = second, .fries = 12});
        w().lotOf({.taxon = w().moss, .tank = second, .fries = 1});
        farmtest::ScriptedChooser chooser;
        Myfish dialog(nullptr, w().doc, *settings_, w().prompter, chooser);
        dialog.show();
        auto* combo = farmtest::child<QComboBox>(&dialog, "fishesIn");
        combo->setCurrentIndex(4);  // All, Archive, All with archive, then the tanks
        click(&dialog, "report");
        std::string tank2 = page("tank2.html");
        QVERIFY(tank2.find("Reed's fishfarm  (tank 100 litres)") != std::string::npos);
        QVERIFY(tank2.find("Neocaridina davidi") != std::string::npos);
        QVERIFY(tank2.find("Vesicularia dubyana") != std::string::npos);
        QVERIFY(tank2.find("Apistogramma") == std::string::npos);

        combo->setCurrentIndex(0);
        click(&dialog, "report");
        std::string all = page("all.html");
        QVERIFY(all.find("Apistogramma agassizii (red)") != std::string::npos);
        QVERIFY(all.find("Neocaridina davidi") != std::string::npos);
        QVERIFY(w().prompter.shown().empty());
    }

    void incubatorReportWritesTheSpawningsItLists() {
        int tank = w().tankOf(40, "");
        int father = w().lotOf({.taxon = w().species, .tank = tank, .males = 1, .other = "A"});
        int mother = w().lotOf({.taxon = w().species, .tank = tank, .females = 1, .other = "B"});
        w().spawningOf(father, mother, 30, 20, 0, isoToday(), isoToday(), 3);  // open
        w().spawningOf(mother, father, 40, 25, 12, isoToday(), isoToday(), 4);  // closed
        ArchiveChooser choosers;
        Incubdial dialog(nullptr, w().doc, *settings_, w().prompter, choosers);
        dialog.show();
        auto* report = farmtest::child<QPushButton>(&dialog, "report");
        QVERIFY(report->isEnabled());
        click(&dialog, "report");
        std::string open = page("incubator.html");
        QVERIFY(open.find("Apistogramma agassizii (A) x Apistogramma agassizii (B)") != std::string::npos);
        QVERIFY(open.find("(B) x Apistogramma agassizii (A)") == std::string::npos);

        QTest::mouseClick(farmtest::child<QCheckBox>(&dialog, "archive"), Qt::LeftButton);
        click(&dialog, "report");
        std::string archive = page("incarcquarter.html");
        QVERIFY(archive.find("(B) x Apistogramma agassizii (A)") != std::string::npos);
        QVERIFY(w().prompter.shown().empty());
    }

    // The log of a long run: 10,000 lines inserted at the top stay cheap.
    void tenThousandLinesReachTheLogNewestFirst() {
        open();
        reports::ReportRunner runner(work(), *view());
        site::SiteEnv env = w().context.env;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(runner.start(std::make_shared<ManyLines>(), env));
        QVERIFY(waitIdle());
        const qint64 ms = timer.elapsed();
        qInfo("10,000 log lines through the runner: %lld ms", static_cast<long long>(ms));
        QTableWidget* t = view()->table();
        QCOMPARE(t->rowCount(), 10002);
        QCOMPARE(t->item(0, 1)->text(), kComplete);
        QCOMPARE(t->item(1, 1)->text(), QString("line 9999"));
        QCOMPARE(t->item(10000, 1)->text(), QString("line 0"));
        QCOMPARE(t->item(10001, 1)->text(), QString("************** Many report *************"));
        // A list that copied itself on every insert would take many seconds.
        QVERIFY2(ms < 5000, qPrintable(QString::number(ms)));

        // Repainting the long log shows only the visible rows.
        timer.restart();
        view()->repaint();
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "window_reports.moc"
