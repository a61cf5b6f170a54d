// The plan of spawnings and the species chooser offscreen.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "FarmWorld.h"
#include "core/Dates.h"
#include "ui/farm/Plandial.h"

class TestPlandial : public QObject {
    Q_OBJECT
private slots:
    void planListsThisMonthsMothers() {
        farmtest::FarmWorld w;
        int tank = w.tank(600, 300, 350, "breeding");
        int father = w.lot({w.species, tank, 0, 1, 0, "F"});
        int mother = w.lot({w.species, tank, 0, 0, 1, "M"});
        std::string today = core::formatDate(std::time(nullptr), "%Y-%m-%d");
        w.exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
               "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (1,0," + std::to_string(father) + "," +
               std::to_string(mother) + ",0," + farmtest::stamp(today) + "," + farmtest::stamp(today) + ",0)");
        w.exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
               "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (1,0," + std::to_string(father) + "," +
               std::to_string(mother) + ",0," + farmtest::stamp("2020-01-01") + "," + farmtest::stamp("2020-01-01") +
               ",0)");
        Plandial dlg(nullptr, w.doc, Plandial::Plan);
        QCOMPARE(dlg.windowTitle(), QString("Spawnings of last month"));
        QCOMPARE(dlg.list()->count(), 1);
        QCOMPARE(dlg.list()->item(0)->text(),
                 QString::fromStdString(core::formatDate(std::time(nullptr)) + ": Apistogramma agassizii (M) 63 litres"));
        QVERIFY(!dlg.findChild<QPushButton*>("view")->isEnabled());
        QVERIFY(!dlg.findChild<QPushButton*>("statistic")->isEnabled());
        dlg.accept();
        QVERIFY(!dlg.chosenSpecies());
    }

    void chooserReturnsTheSelectedSpeciesAndCallsTheReports() {
        farmtest::FarmWorld w;
        int tank = w.tank(600, 300, 350, "breeding");
        w.lot({w.species, tank, 3});
        w.lot({w.shrimp, tank, 5});
        w.lot({w.moss, tank});
        int viewed = 0, statistics = 0;
        Plandial::Reports reports{[&](int taxon) { viewed = taxon; }, [&](int taxon) { statistics = taxon; }};
        Plandial living(nullptr, w.doc, Plandial::LivingSpecies, reports);
        QCOMPARE(living.list()->count(), 2);
        QCOMPARE(living.list()->item(1)->text(), QString("Neocaridina davidi"));
        living.list()->setCurrentRow(1);
        QTest::mouseClick(living.findChild<QPushButton*>("view"), Qt::LeftButton);
        QCOMPARE(viewed, w.shrimp);
        QTest::mouseClick(living.findChild<QPushButton*>("statistic"), Qt::LeftButton);
        QCOMPARE(statistics, w.shrimp);
        living.list()->setCurrentRow(0);
        living.accept();
        QCOMPARE(*living.chosenSpecies(), w.species);

        Plandial any(nullptr, w.doc, Plandial::AnySpecies);
        QCOMPARE(any.list()->count(), 3);
        QVERIFY(!any.findChild<QPushButton*>("view")->isEnabled());
        any.accept();  // nothing selected
        QVERIFY(!any.chosenSpecies());
    }
};

QTEST_MAIN(TestPlandial)
#include "window_Plandial.moc"
