// The "My tanks" dialog: dimensions, name, price and date typed into its
// fields, new, delete, sell and OK, and the water journal of each tank.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "core/Dates.h"
#include "platform/TextFile.h"
#include "reports/JournalChart.h"
#include "ui/common/FileChoice.h"
#include "ui/farm/Aquadialog.h"
#include "ui/farm/JournalChart.h"
#include "farm/FieldText.h"
#include "FarmWorld.h"
#include "WindowHelpers.h"

using namespace farmtest;

namespace {

struct World : FarmWorld {
    core::Settings settings;
    platform::ScriptedPrompter prompter;
    std::unique_ptr<Aquadialog> open() { return std::make_unique<Aquadialog>(nullptr, doc, settings, prompter); }
    std::string tankColumn(int cod, const std::string& column) {
        return scalar("SELECT \"" + column + "\" FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(cod));
    }
    void entry(int tank, const std::string& day, int volume, const std::string& pH) {
        exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"Waterchange\",\"Volume_wc\",\"dGh\",\"dKh\",\"pH\",\"salt\")"
             " VALUES (" + std::to_string(tank) + "," + stamp(day) + ",1," + std::to_string(volume) + ",7,3,'" + pH +
             "',0)");
    }
};

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QLineEdit* edit(QWidget* d, const char* name) { return child<QLineEdit>(d, name); }
QListWidget* tanks(QWidget* d) { return child<QListWidget>(d, "tanks"); }
QListWidget* journal(QWidget* d) { return child<QListWidget>(d, "journal"); }

}  // namespace

class AquadialogWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheLastUsedTank() {
        World w;
        w.tank(400, 300, 300, "quarantine");
        int show = w.tank(600, 300, 350, "show");
        w.tank(0, 300, 350, "bucket");
        w.settings.Default_aquarium = show;
        auto d = w.open();
        QCOMPARE(items(tanks(d.get())),
                 (QStringList{"Temporary (bucket)", "36 liters (quarantine)", "63 liters (show)"}));
        QCOMPARE(child<QLabel>(d.get(), "total")->text(), QString("In all 99 liters"));
        QCOMPARE(tanks(d.get())->currentRow(), 2);
        QCOMPARE(edit(d.get(), "length")->text(), QString("600"));
        QCOMPARE(edit(d.get(), "name")->text(), QString("show"));
        QCOMPARE(edit(d.get(), "bought")->text(), QString("05.01.2026"));
        QVERIFY(child<QPushButton>(d.get(), "sellTank")->isEnabled());
    }

    void aNewTankTakesItsDimensionsAsTyped() {
        World w;
        w.tank(400, 300, 300, "quarantine");
        auto d = w.open();
        QCOMPARE(tanks(d.get())->currentRow(), -1);
        QVERIFY(!child<QPushButton>(d.get(), "deleteTank")->isEnabled());
        click(d.get(), "newTank");
        click(d.get(), "newTank");
        QCOMPARE(items(tanks(d.get())),
                 (QStringList{"Temporary ()", "Temporary ()", "36 liters (quarantine)"}));
        QCOMPARE(w.count("Aquariums", "\"Other\"='NEW!'"), 0);
        int cod = std::stoi(w.scalar("SELECT MAX(\"Cod\") FROM \"Aquariums\""));
        QCOMPARE(edit(d.get(), "width")->text(), QString("0"));
        QCOMPARE(edit(d.get(), "bought")->text(), QString::fromStdString(core::formatDate(std::time(nullptr))));
        type(edit(d.get(), "length"), "600");
        type(edit(d.get(), "height"), "300");
        QCOMPARE(tanks(d.get())->item(tanks(d.get())->currentRow())->text(), QString("Temporary ()"));
        type(edit(d.get(), "width"), "350");
        QCOMPARE(w.tankColumn(cod, "In_liters"), std::string("63"));
        QCOMPARE(items(tanks(d.get())), (QStringList{"Temporary ()", "36 liters (quarantine)", "63 liters ()"}));
        QCOMPARE(tanks(d.get())->currentRow(), 2);
        QCOMPARE(child<QLabel>(d.get(), "total")->text(), QString("In all 99 liters"));

        type(edit(d.get(), "name"), "reef");
        QCOMPARE(tanks(d.get())->item(2)->text(), QString("63 liters (reef)"));
        QCOMPARE(w.tankColumn(cod, "Other"), std::string("reef"));
        type(edit(d.get(), "width"), "wide");
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kSmallMax));
        QCOMPARE(w.tankColumn(cod, "Size_width"), std::string("350"));
        type(edit(d.get(), "bought"), "12.13.2025");
        QCOMPARE(w.prompter.lastText(), std::string(farm::kDateMessage));
        type(edit(d.get(), "bought"), "12.11.2025");
        QCOMPARE(w.tankColumn(cod, "Date"), std::string("2025-11-12 00:00:00.000"));
        w.settings.Default_currency = core::UAH;
        w.settings.UAH_rate = 500;
        type(edit(d.get(), "price"), "5000");
        click(d.get(), "priceDollar");
        QCOMPARE(w.tankColumn(cod, "Price"), std::string("1000"));

        click(d.get(), "ok");
        QCOMPARE(d->chosenTank(), std::optional<int>(cod));
        QCOMPARE(w.settings.Default_aquarium, cod);
    }

    void sellAndDeleteTakeTheTankOutOfTheList() {
        World w;
        int keep = w.tank(400, 300, 300, "quarantine");
        int sold = w.tank(600, 300, 350, "show");
        int lot = w.lot({w.species, sold, 4});
        w.settings.Default_aquarium = sold;
        auto d = w.open();
        QString proposal;
        onNextDialog([&](QDialog* n) {
            proposal = n->windowTitle() + " " + child<QLineEdit>(n, "number")->text();
            type(child<QLineEdit>(n, "number"), "2500");
            click(n, "ok");
        });
        click(d.get(), "sellTank");
        QCOMPARE(proposal, QString("Aqua-price (centes) 1"));
        QCOMPARE(items(tanks(d.get())), QStringList{"36 liters (quarantine)"});
        QCOMPARE(child<QLabel>(d.get(), "total")->text(), QString("In all 36 liters"));
        QCOMPARE(w.tankColumn(sold, "Price_out"), std::string("2500"));
        QVERIFY(w.tankColumn(sold, "Date_out").substr(0, 4) != "1980");
        QCOMPARE(w.lotColumn(lot, "Of_aquarium"), std::to_string(sold));
        QCOMPARE(edit(d.get(), "length")->text(), QString("0"));
        QVERIFY(!child<QPushButton>(d.get(), "sellTank")->isEnabled());

        tanks(d.get())->setCurrentRow(0);
        w.prompter.answerNext(platform::Answer::No);
        click(d.get(), "deleteTank");
        QCOMPARE(w.count("Aquariums", "\"Cod\"=" + std::to_string(keep)), 1);
        w.prompter.answerNext(platform::Answer::Yes);
        click(d.get(), "deleteTank");
        QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
        QCOMPARE(w.count("Aquariums", "\"Cod\"=" + std::to_string(keep)), 0);
        QCOMPARE(tanks(d.get())->count(), 0);
        QCOMPARE(edit(d.get(), "bought")->text(), QString(""));
        QCOMPARE(child<QLabel>(d.get(), "total")->text(), QString("In all 0 liters"));
        QVERIFY(!child<QPushButton>(d.get(), "newEntry")->isEnabled());
    }

    void theJournalFollowsTheSelectedTank() {
        World w;
        int a = w.tank(400, 300, 300, "a");
        int b = w.tank(600, 300, 350, "b");
        w.entry(a, "2026-02-01", 20, "6.5");
        w.entry(b, "2026-02-03", 30, "7.0");
        w.entry(b, "2026-02-02", 25, "7.2");
        w.settings.Default_aquarium = a;
        auto d = w.open();
        QCOMPARE(items(journal(d.get())), QStringList{"01.02.2026 - 20 л. - 7 - 3 - 6.5"});
        tanks(d.get())->setCurrentRow(1);
        QCOMPARE(items(journal(d.get())),
                 (QStringList{"02.02.2026 - 25 л. - 7 - 3 - 7.2", "03.02.2026 - 30 л. - 7 - 3 - 7.0"}));
        journal(d.get())->setCurrentRow(1);
        QVERIFY(child<QCheckBox>(d.get(), "waterChange")->isChecked());
        type(edit(d.get(), "pH"), "6.9");
        QCOMPARE(journal(d.get())->item(1)->text(), QString("03.02.2026 - 30 л. - 7 - 3 - 6.9"));
        QCOMPARE(w.count("Journal", "\"Of_aqua\"=" + std::to_string(b) + " AND \"pH\"='6.9'"), 1);
        type(edit(d.get(), "dKh"), "300");
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(255));
        type(edit(d.get(), "nitrates"), "10");
        QCOMPARE(w.count("Journal", "\"NO3\"='10'"), 1);

        click(d.get(), "newEntry");
        QCOMPARE(journal(d.get())->count(), 3);
        QCOMPARE(journal(d.get())->currentRow(), 2);
        QString today = QString::fromStdString(core::formatDate(std::time(nullptr)));
        QCOMPARE(journal(d.get())->item(2)->text(), today + " - 0 л. - 0 - 0 - ");
        type(edit(d.get(), "volume"), "40");
        QCOMPARE(journal(d.get())->item(2)->text(), today + " - 40 л. - 0 - 0 - ");
        child<QCheckBox>(d.get(), "waterChange")->click();
        QCOMPARE(w.count("Journal", "\"Volume_wc\"=40 AND \"Waterchange\"=1 AND \"Of_aqua\"=" + std::to_string(b)), 1);

        journal(d.get())->setCurrentRow(0);
        w.prompter.answerNext(platform::Answer::Yes);
        click(d.get(), "deleteEntry");
        QCOMPARE(journal(d.get())->count(), 2);
        QCOMPARE(w.count("Journal", "\"pH\"='7.2'"), 0);

        tanks(d.get())->setCurrentRow(0);
        QCOMPARE(items(journal(d.get())), QStringList{"01.02.2026 - 20 л. - 7 - 3 - 6.5"});
    }

    // The measured texts take decimal numbers only; a refused text writes
    // nothing and the field shows the stored value again.
    void measuredTextsTakeDecimalNumbersOnly() {
        World w;
        int a = w.tank(400, 300, 300, "a");
        w.entry(a, "2026-02-01", 20, "6.5");
        w.settings.Default_aquarium = a;
        auto d = w.open();
        journal(d.get())->setCurrentRow(0);
        type(edit(d.get(), "pH"), "7,2");
        QCOMPARE(w.count("Journal", "\"pH\"='7,2'"), 1);
        QCOMPARE(journal(d.get())->item(0)->text(), QString("01.02.2026 - 20 л. - 7 - 3 - 7,2"));
        const std::size_t told = w.prompter.shown().size();
        type(edit(d.get(), "pH"), "about 7");
        QCOMPARE(w.prompter.shown().size(), told + 1);
        QVERIFY(w.prompter.lastText().find("decimal number") != std::string::npos);
        QCOMPARE(w.count("Journal", "\"pH\"='7,2'"), 1);
        QCOMPARE(edit(d.get(), "pH")->text(), QString("7,2"));
        type(edit(d.get(), "redox"), "-120");
        QCOMPARE(w.count("Journal", "\"rH\"='-120'"), 1);
        for (const char* field : {"ammony", "nitrites", "nitrates", "phosphates"}) {
            type(edit(d.get(), field), "0.5.1");
            QVERIFY(w.prompter.lastText().find("decimal number") != std::string::npos);
        }
        QCOMPARE(w.count("Journal", "\"NH\"='0.5.1' OR \"NO2\"='0.5.1' OR \"NO3\"='0.5.1' OR \"PO\"='0.5.1'"), 0);
        // Typing into the middle of a number: "6.5" becomes "6.75".
        type(edit(d.get(), "nitrates"), "6.5");
        QLineEdit* nitrates = edit(d.get(), "nitrates");
        nitrates->setFocus();
        nitrates->setCursorPosition(2);
        QTest::keyClicks(nitrates, "7");
        QTest::keyClick(nitrates, Qt::Key_Return);
        QCOMPARE(w.count("Journal", "\"NO3\"='6.75'"), 1);
        // Clearing a field means nothing was measured.
        type(edit(d.get(), "nitrates"), "");
        QCOMPARE(w.count("Journal", "\"NO3\"=''"), 1);
    }

    void aRedatedEntryMovesToItsPlace() {
        World w;
        int a = w.tank(400, 300, 300, "a");
        w.entry(a, "2026-02-01", 20, "6.5");
        w.entry(a, "2026-02-05", 30, "6.6");
        w.settings.Default_aquarium = a;
        auto d = w.open();
        click(d.get(), "newEntry");
        QCOMPARE(journal(d.get())->currentRow(), 2);
        type(edit(d.get(), "entryDate"), "03.02.2026");
        QCOMPARE(w.count("Journal", "\"Date\"='2026-02-03 00:00:00.000'"), 1);
        QCOMPARE(items(journal(d.get())),
                 (QStringList{"01.02.2026 - 20 л. - 7 - 3 - 6.5", "03.02.2026 - 0 л. - 0 - 0 - ",
                              "05.02.2026 - 30 л. - 7 - 3 - 6.6"}));
        QCOMPARE(journal(d.get())->currentRow(), 1);
        type(edit(d.get(), "pH"), "7.1");
        QCOMPARE(w.count("Journal", "\"Date\"='2026-02-03 00:00:00.000' AND \"pH\"='7.1'"), 1);
        w.prompter.answerNext(platform::Answer::No);
        click(d.get(), "deleteEntry");
        QCOMPARE(w.count("Journal"), 3);
        w.prompter.answerNext(platform::Answer::Yes);
        click(d.get(), "deleteEntry");
        QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
        QCOMPARE(w.count("Journal"), 2);
        QCOMPARE(w.count("Journal", "\"pH\"='7.1'"), 0);
        QVERIFY(!child<QPushButton>(d.get(), "deleteEntry")->isEnabled());
    }

    // The chart draws the selected tank's journal as it changes; a tank
    // with no entry, one entry or words for numbers draws without failing.
    void theChartFollowsTheJournal() {
        World w;
        int a = w.tank(400, 300, 300, "a");
        int b = w.tank(600, 300, 350, "b");
        w.entry(b, "2026-02-01", 20, "many");
        w.settings.Default_aquarium = a;
        auto d = w.open();
        d->show();
        auto* chart = child<JournalChart>(d.get(), "chart");
        QCOMPARE(chart->lineCount(), 0);
        QCOMPARE(child<QLabel>(d.get(), "chartNote")->text(), QString("No journal entries to draw."));
        tanks(d.get())->setCurrentRow(1);
        QVERIFY(!chart->data().empty());
        QCOMPARE(chart->lineCount(), 2);  // dGh and dKh; pH "many" is no number
        QTest::qWait(20);
        journal(d.get())->setCurrentRow(0);
        type(edit(d.get(), "dKh"), "0");
        QCOMPARE(chart->lineCount(), 1);
        child<QCheckBox>(d.get(), "chart_dGh")->click();
        QCOMPARE(chart->lineCount(), 0);
        child<QCheckBox>(d.get(), "chart_Nitrates")->click();
        type(edit(d.get(), "nitrates"), "12,5");
        QCOMPARE(chart->lineCount(), 1);
        click(d.get(), "newEntry");
        type(edit(d.get(), "nitrates"), "30");
        QCOMPARE(chart->data().series[static_cast<int>(reports::Parameter::Nitrates)].points.size(), std::size_t(2));
        QTest::qWait(20);
    }

    void theJournalGoesToASpreadsheetAndAPage() {
        World w;
        int a = w.tank(400, 300, 300, "a");
        w.entry(a, "2026-02-01", 20, "6.5");
        w.settings.Default_aquarium = a;
        w.settings.Application_path = w.workDir().string();
        std::filesystem::create_directories(w.workDir());
        platform::TextFileWriter blank;
        QVERIFY(blank.open(w.workDir() / "blank.html"));
        blank.write("<html>\n<head>\n</head>\n<body>\n</body>\n</html>\n");
        QVERIFY(blank.commit());
        w.settings.viewerCommand = "true ";
        auto d = w.open();
        std::vector<ui::FileRequest> asked;
        const std::string csv = (w.root() / "a.csv").string();
        ui::FileChooser previous = ui::replaceFileChooser([&](QWidget*, const ui::FileRequest& r) {
            asked.push_back(r);
            return std::optional<std::string>(csv);
        });
        click(d.get(), "exportJournal");
        ui::replaceFileChooser(previous);
        QCOMPARE(asked.size(), std::size_t(1));
        QVERIFY(asked[0].proposal.endsWith(QString("journal%1.csv").arg(a)));
        std::string bytes;
        QVERIFY(platform::readBytes(csv, bytes));
        QVERIFY(bytes.find("2026-02-01,yes,20,7,3,6.5,") != std::string::npos);
        click(d.get(), "journalPage");
        std::string page;
        QVERIFY(platform::readBytes(w.workDir() / "Reports" / ("journal" + std::to_string(a) + ".html"), page));
        QVERIFY(page.find("<svg") != std::string::npos);
        QVERIFY(page.find("Journal of tank 36 liters (a)") != std::string::npos);
    }
};

QTEST_MAIN(AquadialogWindow)
#include "window_aquadialog.moc"
