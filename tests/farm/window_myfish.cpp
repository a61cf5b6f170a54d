// The "My fishes" dialog: typing into its fields and pressing its buttons,
// with the rows read back from the database.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "farm/FieldText.h"
#include "ui/farm/Myfish.h"
#include "FarmWorld.h"
#include "WindowHelpers.h"

using namespace farmtest;

namespace {

struct World : FarmWorld {
    core::Settings settings;
    platform::ScriptedPrompter prompter;
    ScriptedChooser chooser;
    int tankA = tank(600, 300, 350, "show");
    int tankB = tank(400, 300, 300, "quarantine");

    std::unique_ptr<Myfish> open(Myfish::Options options = {}) {
        return std::make_unique<Myfish>(nullptr, doc, settings, prompter, chooser, options);
    }
};

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QListWidget* lots(QWidget* d) { return child<QListWidget>(d, "lots"); }
QLineEdit* edit(QWidget* d, const char* name) { return child<QLineEdit>(d, name); }

// Answers the count dialog with the moving animals, or presses "All".
void answerCounts(std::optional<farm::Counts> moving, std::function<void()> then = nullptr) {
    onNextDialog([moving, then](QDialog* d) {
        if (moving) {
            type(child<QLineEdit>(d, "friesMoving"), QString::number(moving->fries));
            type(child<QLineEdit>(d, "malesMoving"), QString::number(moving->males));
            type(child<QLineEdit>(d, "femalesMoving"), QString::number(moving->females));
        } else {
            click(d, "all");
        }
        if (then) then();
        click(d, "ok");
    });
}

void answerNumber(QString* proposal, const QString& value) {
    onNextDialog([proposal, value](QDialog* d) {
        if (proposal) *proposal = child<QLineEdit>(d, "number")->text();
        type(child<QLineEdit>(d, "number"), value);
        click(d, "ok");
    });
}

}  // namespace

class MyfishWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheLastUsedTankAndSwitchesViews() {
        World w;
        w.lot({w.species, w.tankA, 2, 1, 1, "red"});
        w.lot({w.shrimp, w.tankB, 30});
        w.lot({w.species, w.tankB, 5});
        w.tank(600, 300, 350, "sold", farmtest::stamp("2026-02-01"));
        w.tank(600, 0, 350, "bucket");
        w.settings.Default_aquarium = w.tankB;
        auto d = w.open();
        auto* combo = child<QComboBox>(d.get(), "fishesIn");
        QCOMPARE(combo->currentText(), QString("36 liters (quarantine)"));
        // The sold tank is not offered; the empty one goes by the empty-tank name.
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->itemText(3), QString("Temporary (bucket)"));
        QCOMPARE(combo->itemText(1), QString("Archive"));
        QCOMPARE(items(lots(d.get())), (QStringList{"# Neocaridina davidi", "Apistogramma agassizii"}));
        QCOMPARE(edit(d.get(), "total")->text(), QString("5"));
        QVERIFY(child<QPushButton>(d.get(), "new")->isEnabled());
        QVERIFY(!child<QPushButton>(d.get(), "sell")->isEnabled());
        combo->setCurrentIndex(0);
        QCOMPARE(lots(d.get())->count(), 3);
        QCOMPARE(edit(d.get(), "total")->text(), QString("9"));
        QVERIFY(!child<QPushButton>(d.get(), "new")->isEnabled());
        combo->setCurrentIndex(5);
        QCOMPARE(w.settings.Default_aquarium, w.tankA);
        QCOMPARE(items(lots(d.get())), QStringList{"Apistogramma agassizii (red)"});
    }

    void withoutTanksShowsAllAndNoNew() {
        FarmWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        ScriptedChooser chooser;
        Myfish d(nullptr, w.doc, settings, prompter, chooser);
        QCOMPARE(child<QComboBox>(&d, "fishesIn")->currentText(), QString("All"));
        QVERIFY(!child<QPushButton>(&d, "new")->isEnabled());
    }

    void countFieldsWriteAndRefuse() {
        World w;
        int cod = w.lot({w.species, w.tankA, 4, 0, 0});
        w.settings.Default_aquarium = w.tankA;
        auto d = w.open();
        lots(d.get())->setCurrentRow(0);
        QCOMPARE(edit(d.get(), "fries")->text(), QString("4"));
        QCOMPARE(edit(d.get(), "males")->text(), QString(""));
        type(edit(d.get(), "males"), "3");
        QCOMPARE(w.lotColumn(cod, "Number_male"), std::string("3"));
        QCOMPARE(edit(d.get(), "total")->text(), QString("7"));
        QTest::mouseClick(child<QToolButton>(d.get(), "femalesUp"), Qt::LeftButton);
        QCOMPARE(w.lotColumn(cod, "Number_female"), std::string("1"));
        QCOMPARE(edit(d.get(), "females")->text(), QString("1"));

        type(edit(d.get(), "fries"), "-2");
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("4"));
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kSmallMax));
        type(edit(d.get(), "fries"), "lots");
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("4"));
        type(edit(d.get(), "fries"), "0");
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("0"));
        QCOMPARE(edit(d.get(), "fries")->text(), QString(""));

        // The last animals of a living lot cannot be typed away.
        type(edit(d.get(), "males"), "");
        type(edit(d.get(), "females"), "0");
        QCOMPARE(w.prompter.lastText(), std::string("Inadmissible value!\nThere should be even one female!"));
        QCOMPARE(w.lotColumn(cod, "Number_female"), std::string("1"));
        QCOMPARE(w.lotColumn(cod, "Number_male"), std::string("0"));
        QVERIFY(!child<QPushButton>(d.get(), "separation")->isEnabled());
    }

    void detailFieldsWriteTheirColumns() {
        World w;
        int late = w.lot({w.species, w.tankA, 4});
        FarmWorld::Lot early{w.shrimp, w.tankA, 9};
        early.firstEat = "2026-01-01";
        w.lot(early);
        w.settings.Default_aquarium = w.tankA;
        w.settings.Default_currency = core::RUR;
        w.settings.RUR_rate = 3000;
        auto d = w.open();
        QCOMPARE(lots(d.get())->item(1)->text(), QString("Apistogramma agassizii"));
        lots(d.get())->setCurrentRow(1);
        type(edit(d.get(), "other"), "wild");
        QCOMPARE(w.lotColumn(late, "Other"), std::string("wild"));
        QCOMPARE(lots(d.get())->item(1)->text(), QString("Apistogramma agassizii (wild)"));
        type(edit(d.get(), "place"), "Rio Negro");
        QCOMPARE(w.lotColumn(late, "Place_birth"), std::string("Rio Negro"));
        type(edit(d.get(), "price"), "450");
        QCOMPARE(w.lotColumn(late, "Price"), std::string("450"));
        type(edit(d.get(), "income"), "3000");
        click(d.get(), "incomeDollar");
        QCOMPARE(w.lotColumn(late, "Income"), std::string("100"));
        QCOMPARE(edit(d.get(), "income")->text(), QString("100"));
        type(edit(d.get(), "outgo"), "4o");
        QCOMPARE(w.lotColumn(late, "Outgo"), std::string("0"));
        QCOMPARE(edit(d.get(), "outgo")->text(), QString("0"));
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kLongMax));
        type(edit(d.get(), "outgo"), "40000");
        QCOMPARE(w.lotColumn(late, "Outgo"), std::string("40000"));

        type(edit(d.get(), "diedDate"), "02.03.2026");
        QCOMPARE(w.lotColumn(late, "Date_dye"), std::string("2026-03-02 00:00:00.000"));
        type(edit(d.get(), "diedDate"), "01.01.1980");
        QCOMPARE(w.lotColumn(late, "Date_dye"), std::string("1980-01-01 00:00:00.000"));
        QCOMPARE(edit(d.get(), "diedDate")->text(), QString(""));
        type(edit(d.get(), "giftedDate"), "04.03.2026");
        type(edit(d.get(), "giftedDate"), "");
        QCOMPARE(w.lotColumn(late, "Date_gift"), std::string("1980-01-01 00:00:00.000"));
        type(edit(d.get(), "arrived"), "31.02.20");
        QCOMPARE(w.prompter.lastText(), std::string(farm::kDateMessage));
        QCOMPARE(w.lotColumn(late, "Date_mf"), std::string("2026-03-01 00:00:00.000"));

        // A new birth date moves the line.
        type(edit(d.get(), "firstEat"), "15.12.2025");
        QCOMPARE(w.lotColumn(late, "Date_first_eat"), std::string("2025-12-15 00:00:00.000"));
        QCOMPARE(lots(d.get())->currentRow(), 0);
        QCOMPARE(lots(d.get())->item(0)->text(), QString("Apistogramma agassizii (wild)"));

        child<QCheckBox>(d.get(), "forSale")->click();
        QCOMPARE(w.lotColumn(late, "Forsale"), std::string("1"));
        auto* size = child<QComboBox>(d.get(), "size");
        QCOMPARE(size->itemText(4), QString("A"));
        QTest::keyClick(size, Qt::Key_Down);
        QCOMPARE(w.lotColumn(late, "Size"), std::string("1"));
    }

    void sellingPartThenAllMovesTheLotToTheArchive() {
        World w;
        int cod = w.lot({w.species, w.tankA, 5, 1, 0});
        w.settings.Default_aquarium = w.tankA;
        w.settings.Archiv_fish_from = "quarter";
        auto d = w.open();
        lots(d.get())->setCurrentRow(0);
        QString proposal;
        answerCounts(farm::Counts{2, 0, 0}, [&] { answerNumber(&proposal, "120"); });
        click(d.get(), "sell");
        QCOMPARE(proposal, QString("25"));
        QCOMPARE(w.lotColumn(cod, "Saled"), std::string("2"));
        QCOMPARE(w.lotColumn(cod, "Outgo"), std::string("120"));
        QCOMPARE(edit(d.get(), "total")->text(), QString("4"));
        QCOMPARE(lots(d.get())->currentRow(), 0);

        answerCounts(std::nullopt, [&] { answerNumber(&proposal, "130"); });
        click(d.get(), "sell");
        QCOMPARE(proposal, QString("120"));
        QCOMPARE(lots(d.get())->count(), 0);
        QCOMPARE(w.count("My fishes", "\"Saled\"=4 AND \"Outgo\"=130 AND \"Number_fries\"=0"), 1);

        // Cancelling the period keeps the tank shown.
        onNextDialog([](QDialog* a) { QTest::mouseClick(child<QPushButton>(a, "cancel"), Qt::LeftButton); });
        child<QComboBox>(d.get(), "fishesIn")->setCurrentIndex(1);
        QCOMPARE(child<QComboBox>(d.get(), "fishesIn")->currentText(), QString("63 liters (show)"));
        QCOMPARE(w.settings.Archiv_fish_from, std::string("quarter"));

        onNextDialog([](QDialog* a) {
            QCOMPARE(child<QListWidget>(a, "periods")->currentItem()->text(), QString("Quarter"));
            child<QListWidget>(a, "periods")->setCurrentRow(3);
            QTest::mouseClick(child<QPushButton>(a, "ok"), Qt::LeftButton);
        });
        child<QComboBox>(d.get(), "fishesIn")->setCurrentIndex(1);
        QCOMPARE(w.settings.Archiv_fish_from, std::string("all"));
        QCOMPARE(lots(d.get())->count(), 2);
        lots(d.get())->setCurrentRow(0);
        QVERIFY(!edit(d.get(), "fries")->isEnabled());
        QVERIFY(edit(d.get(), "firstEat")->isEnabled());
    }

    void refusedCountsAndEmptySeparationsWriteNothing() {
        World w;
        int cod = w.lot({w.species, w.tankA, 3, 0, 0});
        w.settings.Default_aquarium = w.tankA;
        auto d = w.open();
        lots(d.get())->setCurrentRow(0);
        onNextDialog([&](QDialog* f) {
            type(child<QLineEdit>(f, "friesMoving"), "7");
            QTest::mouseClick(child<QPushButton>(f, "ok"), Qt::LeftButton);
            QVERIFY(f->isVisible());
            QCOMPARE(w.prompter.lastText(), farm::numberMessage(3));
            QCOMPARE(child<QLabel>(f, "friesLeft")->text(), QString("?"));
            QTest::mouseClick(child<QPushButton>(f, "cancel"), Qt::LeftButton);
        });
        click(d.get(), "kill");
        answerCounts(std::nullopt);
        click(d.get(), "separation");
        answerCounts(farm::Counts{0, 0, 0});
        click(d.get(), "separation");
        QCOMPARE(w.count("My fishes", "Of_fish<>14"), 1);
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("3"));
        QCOMPARE(w.lotColumn(cod, "Died"), std::string("0"));

        onNextDialog([](QDialog* f) {
            QTest::mouseClick(child<QToolButton>(f, "friesUp"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(f, "friesLeft")->text(), QString("2"));
            QTest::mouseClick(child<QPushButton>(f, "ok"), Qt::LeftButton);
        });
        click(d.get(), "separation");
        QCOMPARE(items(lots(d.get())), (QStringList{"Apistogramma agassizii", "Apistogramma agassizii"}));
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("2"));
        QCOMPARE(edit(d.get(), "total")->text(), QString("3"));
    }

    void newLotsComeFromTheChooser() {
        World w;
        w.settings.Default_aquarium = w.tankB;
        auto d = w.open();
        auto* menu = child<QPushButton>(d.get(), "new")->menu();
        QVERIFY(menu);
        QStringList entries;
        for (QAction* a : menu->actions()) entries << a->text();
        QCOMPARE(entries, (QStringList{"New fish...", "New crustacea...", "New dicotyle plantae...",
                                       "New monocotyle plantae...", "New fern...", "New moss...", "New algae...",
                                       "New mollusc..."}));
        w.chooser.answer = w.shrimp;
        menu->actions()[1]->trigger();
        QCOMPARE(w.chooser.requests.back().title, std::string("Select a name for your crustacea"));
        QCOMPARE(w.chooser.requests.back().classLabel, std::string("Class Crustacea"));
        QCOMPARE(w.chooser.requests.back().startTaxon, 10420);
        QCOMPARE(w.settings.Default_crus, w.shrimp);
        QCOMPARE(items(lots(d.get())), QStringList{"# Neocaridina davidi"});
        QCOMPARE(lots(d.get())->currentRow(), 0);
        QCOMPARE(edit(d.get(), "fries")->text(), QString("1"));
        QCOMPARE(w.count("My fishes", "\"Of_aquarium\"=" + std::to_string(w.tankB) + " AND \"Other\"=''"), 1);

        // A genus is refused; algae do nothing.
        w.chooser.answer = w.genus;
        menu->actions()[0]->trigger();
        menu->actions()[6]->trigger();
        QCOMPARE(w.count("My fishes", "Of_fish<>14"), 1);
        QCOMPARE(w.chooser.requests.size(), std::size_t(2));

        // Precise: the same class, a new species.
        int other = w.taxon("multidentata", 64, w.shrimpGenus, 10420);
        w.chooser.answer = other;
        click(d.get(), "precise");
        QCOMPARE(w.chooser.requests.back().title, std::string("Precise a name for your crustacea"));
        QCOMPARE(w.chooser.requests.back().startTaxon, w.shrimp);
        QCOMPARE(items(lots(d.get())), QStringList{"# Neocaridina multidentata"});
    }

    void transferSplitsIntoTheChosenTank() {
        World w;
        int cod = w.lot({w.species, w.tankA, 5, 0, 0});
        w.settings.Default_aquarium = w.tankA;
        auto d = w.open();
        lots(d.get())->setCurrentRow(0);
        // Cancelling the tank leaves the lot whole.
        answerCounts(farm::Counts{2, 0, 0}, [] {
            onNextDialog([](QDialog* t) { QTest::mouseClick(child<QPushButton>(t, "cancel"), Qt::LeftButton); });
        });
        click(d.get(), "transfer");
        QCOMPARE(w.count("My fishes", "Of_fish<>14"), 1);

        answerCounts(farm::Counts{2, 0, 0}, [&w] {
            onNextDialog([&w](QDialog* t) {
                auto* tanks = child<QListWidget>(t, "tanks");
                for (int i = 0; i < tanks->count(); ++i)
                    if (tanks->item(i)->text() == "36 liters (quarantine)") tanks->setCurrentRow(i);
                QTest::mouseClick(child<QPushButton>(t, "ok"), Qt::LeftButton);
            });
        });
        click(d.get(), "transfer");
        QCOMPARE(w.lotColumn(cod, "Number_fries"), std::string("3"));
        QCOMPARE(w.count("My fishes", "\"Of_aquarium\"=" + std::to_string(w.tankB) + " AND \"Number_fries\"=2"), 1);
        QCOMPARE(w.settings.Default_aquarium, w.tankB);
        QCOMPARE(lots(d.get())->count(), 1);
        QCOMPARE(edit(d.get(), "total")->text(), QString("3"));
    }

    void deleteAsksFirst() {
        World w;
        int cod = w.lot({w.species, w.tankA, 5});
        w.settings.Default_aquarium = w.tankA;
        auto d = w.open();
        lots(d.get())->setCurrentRow(0);
        w.prompter.answerNext(platform::Answer::No);
        click(d.get(), "delete");
        QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
        QCOMPARE(w.count("My fishes", "\"Cod\"=" + std::to_string(cod)), 1);
        w.prompter.answerNext(platform::Answer::Yes);
        click(d.get(), "delete");
        QCOMPARE(w.count("My fishes", "\"Cod\"=" + std::to_string(cod)), 0);
        QCOMPARE(lots(d.get())->count(), 0);
        QCOMPARE(edit(d.get(), "total")->text(), QString("0"));
    }

    void servesAsALotChooser() {
        World w;
        int father = w.lot({w.species, w.tankB, 0, 1, 0, "dad"});
        w.settings.Default_aquarium = w.tankA;
        auto d = w.open({"Select father", w.tankB});
        QCOMPARE(d->windowTitle(), QString("Select father"));
        QCOMPARE(lots(d.get())->count(), 1);
        lots(d.get())->setCurrentRow(0);
        click(d.get(), "ok");
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(d->chosenLot(), std::optional<int>(father));
    }
};

QTEST_MAIN(MyfishWindow)
#include "window_myfish.moc"
