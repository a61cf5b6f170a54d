// The "Incubator" dialog offscreen, with scripted choosers and prompter.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <deque>

#include "FarmWorld.h"
#include "farm/FieldText.h"
#include "ui/farm/Incubdial.h"

namespace {

struct ScriptedChoosers : Incubdial::Choosers {
    std::deque<std::optional<int>> lots, tanks, numbers, taxa;
    std::deque<std::optional<std::string>> periods;
    std::vector<std::string> asked;  // titles and captions, in order
    std::optional<int> destinyTank;

    template <class T> static T next(std::deque<T>& q) {
        if (q.empty()) return T{};
        T v = q.front();
        q.pop_front();
        return v;
    }
    std::optional<int> lot(QWidget*, const std::string& title, std::optional<int> startTank) override {
        asked.push_back(title);
        destinyTank = startTank;
        return next(lots);
    }
    std::optional<int> tank(QWidget*) override {
        asked.push_back("tank");
        return next(tanks);
    }
    std::optional<int> number(QWidget*, const std::string& caption, int proposal) override {
        asked.push_back(caption + " " + std::to_string(proposal));
        return next(numbers);
    }
    std::optional<int> species(QWidget*, int start) override {
        asked.push_back("species " + std::to_string(start));
        return next(taxa);
    }
    std::optional<std::string> archivePeriod(QWidget*, const std::string& current) override {
        asked.push_back("period " + current);
        return next(periods);
    }
};

struct World : farmtest::FarmWorld {
    core::Settings settings;
    platform::ScriptedPrompter prompter;
    ScriptedChoosers choosers;
    int tank20 = tank(600, 300, 350, "breeding");
    int father = lot({species, tank20, 0, 1, 0, "red"});
    int mother = lot({species, tank20, 0, 0, 1, ""});

    int spawning(int eggs, int larvae, int out, const std::string& laid, const std::string& hatched) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (" +
             std::to_string(eggs) + "," + std::to_string(larvae) + "," + std::to_string(father) + "," +
             std::to_string(mother) + "," + std::to_string(out) + "," + farmtest::stamp(laid) + "," +
             (hatched.empty() ? farmtest::kNotSet : farmtest::stamp(hatched)) + ",0)");
        return lastId();
    }
    std::string column(int cod, const std::string& c) {
        return scalar("SELECT \"" + c + "\" FROM \"Incubator\" WHERE \"Cod\"=" + std::to_string(cod));
    }
};

template <class W> W* child(QWidget& dlg, const char* name) {
    W* w = dlg.findChild<W*>(name);
    if (!w) qFatal("no child %s", name);
    return w;
}
QLineEdit* edit(QWidget& dlg, const char* name) { return child<QLineEdit>(dlg, name); }
QPushButton* button(QWidget& dlg, const char* name) { return child<QPushButton>(dlg, name); }
void type(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    if (text.isEmpty()) QTest::keyClick(e, Qt::Key_Backspace);
    else QTest::keyClicks(e, text);
}

}  // namespace

class TestIncubdial : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheOpenSpawningsWithNothingSelected() {
        World w;
        w.spawning(120, 0, 0, "2026-03-02", "2026-03-02");
        w.spawning(80, 60, 0, "2026-03-01", "2026-03-04");
        w.spawning(50, 40, 30, "2026-02-01", "2026-02-04");
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        auto* list = child<QListWidget>(dlg, "spawnings");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("01.03.2026: Apistogramma agassizii (red) x Apistogramma agassizii ()"));
        QCOMPARE(edit(dlg, "eggsTotal")->text(), QString("120"));
        QCOMPARE(edit(dlg, "larvaeTotal")->text(), QString("60"));
        QCOMPARE(edit(dlg, "outTotal")->text(), QString(""));
        for (const char* b : {"delete", "precise", "transfer", "destiny"}) QVERIFY(!button(dlg, b)->isEnabled());
        QVERIFY(button(dlg, "new")->isEnabled());

        list->setCurrentRow(1);
        QCOMPARE(edit(dlg, "eggsDate")->text(), QString("02.03.2026"));
        QCOMPARE(edit(dlg, "larvaeDate")->text(), QString("02.03.2026"));
        QCOMPARE(edit(dlg, "eggs")->text(), QString("120"));
        QCOMPARE(edit(dlg, "larvae")->text(), QString(""));
        QCOMPARE(edit(dlg, "incubator")->text(), QString("0"));
        QVERIFY(button(dlg, "delete")->isEnabled());
        QVERIFY(button(dlg, "transfer")->isEnabled());
        QVERIFY(!button(dlg, "destiny")->isEnabled());
    }

    void newSpawningThroughBothChoosers() {
        World w;
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        // The same lot twice creates nothing; so does a cancelled mother.
        w.choosers.lots = {w.father, w.father, w.father, std::nullopt};
        QTest::mouseClick(button(dlg, "new"), Qt::LeftButton);
        QTest::mouseClick(button(dlg, "new"), Qt::LeftButton);
        QCOMPARE(w.count("Incubator"), 1);
        QCOMPARE(w.choosers.asked, (std::vector<std::string>{"Select father", "Select mother", "Select father",
                                                              "Select mother"}));

        w.choosers.lots = {w.father, w.mother};
        QTest::mouseClick(button(dlg, "new"), Qt::LeftButton);
        QCOMPARE(w.count("Incubator"), 2);
        auto* list = child<QListWidget>(dlg, "spawnings");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentRow(), 0);
        QString today = QString::fromStdString(core::formatDate(std::time(nullptr)));
        QCOMPARE(edit(dlg, "eggsDate")->text(), today);
        QCOMPARE(edit(dlg, "larvaeDate")->text(), today);
        QCOMPARE(edit(dlg, "eggs")->text(), QString(""));
        QVERIFY(button(dlg, "delete")->isEnabled());
        QVERIFY(!button(dlg, "transfer")->isEnabled());

        // One egg makes it transferable; the total follows the typing.
        type(edit(dlg, "eggs"), "1");
        QVERIFY(button(dlg, "transfer")->isEnabled());
        QCOMPARE(edit(dlg, "eggsTotal")->text(), QString("1"));
        type(edit(dlg, "eggs"), "250");
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Number_eggs FROM Incubator WHERE Cod<>2")), QString("250"));
        QCOMPARE(edit(dlg, "eggsTotal")->text(), QString("250"));
    }

    void countsAndTheUnsetDateShowOnlyWhileEdited() {
        World w;
        int s = w.spawning(40, 0, 0, "2026-03-01", "");
        w.choosers.periods = {std::string("all")};
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::mouseClick(child<QCheckBox>(dlg, "archive"), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(dlg, "archive")->isChecked());
        child<QListWidget>(dlg, "spawnings")->setCurrentRow(0);
        QCOMPARE(edit(dlg, "larvaeDate")->text(), QString(""));
        QVERIFY(!button(dlg, "transfer")->isEnabled());  // eggs but no larvae date

        edit(dlg, "larvae")->setFocus();
        QCOMPARE(edit(dlg, "larvae")->text(), QString("0"));
        edit(dlg, "larvaeDate")->setFocus();
        QCOMPARE(edit(dlg, "larvae")->text(), QString(""));
        QCOMPARE(edit(dlg, "larvaeDate")->text(), QString("01.01.1980"));
        edit(dlg, "eggs")->setFocus();
        QCOMPARE(edit(dlg, "larvaeDate")->text(), QString(""));
        QVERIFY(w.prompter.shown().empty());
        QCOMPARE(QString::fromStdString(w.column(s, "Date_fries")), QString("1980-01-01 00:00:00.000"));

        type(edit(dlg, "larvaeDate"), "04.03.2026");
        QVERIFY(button(dlg, "transfer")->isEnabled());

        // A wrong date is refused on leaving and writes nothing.
        type(edit(dlg, "larvaeDate"), "04.13.2026");
        edit(dlg, "eggs")->setFocus();
        QCOMPARE(QString::fromStdString(w.prompter.lastText()), QString(farm::kDateMessage));
        QCOMPARE(QString::fromStdString(w.column(s, "Date_fries")), QString("2026-03-04 00:00:00.000"));
        QCOMPARE(child<QListWidget>(dlg, "spawnings")->currentRow(), 0);
    }

    void transferOfFifteenFriesMakesALotInTheChosenTank() {
        World w;
        w.settings.Fishbreeder = "Reed Mere farm";
        int s = w.spawning(200, 20, 0, "2026-03-01", "2026-03-04");
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        child<QListWidget>(dlg, "spawnings")->setCurrentRow(0);
        w.choosers.numbers = {15};
        w.choosers.tanks = {w.tank20};
        w.choosers.taxa = {w.species};
        QTest::mouseClick(button(dlg, "transfer"), Qt::LeftButton);
        QCOMPARE(w.choosers.asked, (std::vector<std::string>{"How many fries have survived? 20", "tank",
                                                              "species " + std::to_string(w.species)}));
        QCOMPARE(w.count("My fishes", "Of_fry=" + std::to_string(s) + " AND Number_fries=15 AND Forsale=1 AND "
                                      "Place_birth='Reed Mere farm' AND Of_aquarium=" + std::to_string(w.tank20)),
                 1);
        QCOMPARE(child<QListWidget>(dlg, "spawnings")->count(), 0);
        QCOMPARE(edit(dlg, "larvaeTotal")->text(), QString(""));
        QVERIFY(!button(dlg, "transfer")->isEnabled());
    }

    void cancelledTankStopsTheTransfer() {
        World w;
        int s = w.spawning(200, 20, 0, "2026-03-01", "2026-03-04");
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        child<QListWidget>(dlg, "spawnings")->setCurrentRow(0);
        w.choosers.numbers = {15};
        w.choosers.tanks = {std::nullopt};
        QTest::mouseClick(button(dlg, "transfer"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(w.column(s, "Fries_out")), QString("0"));
        QCOMPARE(w.count("My fishes", "Of_fry=" + std::to_string(s)), 0);
        QCOMPARE(child<QListWidget>(dlg, "spawnings")->count(), 1);
    }

    void noSurvivorsWritesOffAndArchiveKeepsTransferred() {
        World w;
        int bad = w.spawning(200, 0, 0, "2026-03-01", "2026-03-01");
        int good = w.spawning(90, 30, 0, "2026-03-02", "2026-03-04");
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        auto* list = child<QListWidget>(dlg, "spawnings");
        list->setCurrentRow(0);
        w.choosers.numbers = {0};
        QTest::mouseClick(button(dlg, "transfer"), Qt::LeftButton);
        QCOMPARE(w.choosers.asked.back(), std::string("Are there bad parents? 0"));
        QCOMPARE(QString::fromStdString(w.column(bad, "Date_fries")), QString("1980-01-01 00:00:00.000"));
        QCOMPARE(w.count("My fishes", "Of_fry=" + std::to_string(bad)), 0);
        QCOMPARE(list->count(), 1);

        // Cancelling the period dialog leaves the archive off.
        w.choosers.periods = {std::nullopt, std::string("month")};
        auto* archive = child<QCheckBox>(dlg, "archive");
        QTest::mouseClick(archive, Qt::LeftButton);
        QVERIFY(!archive->isChecked());
        QCOMPARE(w.choosers.asked.back(), std::string("period quarter"));
        w.settings.Archiv_incubator_from = "year";
        w.exec("UPDATE Incubator SET Date_eggs=" + farmtest::stamp(core::formatDate(std::time(nullptr), "%Y-%m-%d")) +
               " WHERE Cod=" + std::to_string(good));
        QTest::mouseClick(archive, Qt::LeftButton);
        QVERIFY(archive->isChecked());
        QCOMPARE(w.settings.Archiv_incubator_from, std::string("month"));
        QVERIFY(!edit(dlg, "eggsDate")->isEnabled());
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        w.choosers.numbers = {25};
        w.choosers.tanks = {w.tank20};
        w.choosers.taxa = {w.species};
        QTest::mouseClick(button(dlg, "transfer"), Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(edit(dlg, "out")->text(), QString("25"));
        QCOMPARE(edit(dlg, "outTotal")->text(), QString("25"));
        QVERIFY(button(dlg, "destiny")->isEnabled());

        // Destiny opens the lots on the fries' tank, then lists the archive again.
        QTest::mouseClick(button(dlg, "destiny"), Qt::LeftButton);
        QCOMPARE(w.choosers.asked.back(), std::string("Your fries have gone to this tank"));
        QCOMPARE(*w.choosers.destinyTank, w.tank20);
        QCOMPARE(list->count(), 1);

        QTest::mouseClick(archive, Qt::LeftButton);
        QVERIFY(edit(dlg, "eggsDate")->isEnabled());
        QCOMPARE(list->count(), 0);
    }

    void programChoosersOpenTheLotTankAndCatalogueDialogs();

    void deleteAsksFirst() {
        World w;
        int s = w.spawning(200, 0, 0, "2026-03-01", "2026-03-01");
        Incubdial dlg(nullptr, w.doc, w.settings, w.prompter, w.choosers);
        auto* list = child<QListWidget>(dlg, "spawnings");
        list->setCurrentRow(0);
        w.prompter.answerNext(platform::Answer::No);
        QTest::mouseClick(button(dlg, "delete"), Qt::LeftButton);
        QCOMPARE(w.count("Incubator", "Cod=" + std::to_string(s)), 1);
        QCOMPARE(QString::fromStdString(w.prompter.lastText()), QString("      Are you sure?"));
        w.prompter.answerNext(platform::Answer::Yes);
        QTest::mouseClick(button(dlg, "delete"), Qt::LeftButton);
        QCOMPARE(w.count("Incubator", "Cod=" + std::to_string(s)), 0);
        QCOMPARE(list->count(), 0);
        QVERIFY(!button(dlg, "delete")->isEnabled());
        QCOMPARE(edit(dlg, "eggsTotal")->text(), QString(""));
    }
};

struct RecordingChooser : catalogue::TaxonChooser {
    catalogue::ChooserRequest asked;
    std::optional<int> choose(QWidget*, const catalogue::ChooserRequest& request) override {
        asked = request;
        return 4242;
    }
};

// The program's choosers open the real dialogs under the right titles.
void TestIncubdial::programChoosersOpenTheLotTankAndCatalogueDialogs() {
    World w;
    w.settings.Default_aquarium = w.tank20;
    RecordingChooser taxa;
    Incubdial::DialogChoosers choosers(w.doc, w.settings, w.prompter, taxa);
    QString title;
    auto pickFirst = [&title](const char* listName) {
        QTimer::singleShot(0, [&title, listName] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            title = dlg->windowTitle();
            dlg->findChild<QListWidget*>(listName)->setCurrentRow(0);
            dlg->accept();
        });
    };
    pickFirst("lots");
    auto lot = choosers.lot(nullptr, "Select father", std::nullopt);
    QCOMPARE(title, QString("Select father"));
    QVERIFY(lot);
    QCOMPARE(*lot, w.father);

    pickFirst("tanks");
    auto tank = choosers.tank(nullptr);
    QVERIFY(tank);
    QCOMPARE(*tank, w.tank20);

    QCOMPARE(*choosers.species(nullptr, w.species), 4242);
    QCOMPARE(taxa.asked.title, std::string("Select a name for your fries"));
    QCOMPARE(taxa.asked.classLabel, std::string("Class Pisces"));
    QCOMPARE(taxa.asked.startTaxon, w.species);
}

QTEST_MAIN(TestIncubdial)
#include "window_Incubdial.moc"
