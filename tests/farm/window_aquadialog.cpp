// The "My tanks" dialog: dimensions, name, price and date typed into its
// fields, new, delete, sell and OK, and the water journal of each tank.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "core/Dates.h"
#include "ui/farm/Aquadialog.h"
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
};

QTEST_MAIN(AquadialogWindow)
#include "window_aquadialog.moc"
