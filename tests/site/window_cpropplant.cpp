// The plant property sheet: its pages, the Info page writing the plant
// card, the pictures page writing the sizes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "SiteWorld.h"
#include "core/Settings.h"
#include "ui/catalogue/CPictures.h"
#include "ui/catalogue/CPropPlant.h"
#include "ui/catalogue/SpecPlant.h"

using namespace sitetest;

namespace {

struct SheetWorld : SiteWorld {
    core::Settings settings;
    SheetWorld() {
        fs::create_directories(workDir() / "Classes" / "Monocotyledones" / "Images");
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
             "(7006,', ',64,'barteri',12129,12129)");
        exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Africa',0),(4,'Cameroon',3)");
        settings.Application_path = workDir().string();
    }
    std::string column(const std::string& c) {
        return scalar("SELECT \"" + c + "\" FROM \"Plants\" WHERE \"Of_cod\"=7006");
    }
};

}  // namespace

class CPropPlantWindow : public QObject {
    Q_OBJECT
private slots:
    void openingCreatesTheCardAndShowsTheFourPages();
    void infoPageWritesEveryField();
    void habitatsAreBrowsedAndChosen();
    void adultLengthChangesHeightOnly();
};

void CPropPlantWindow::openingCreatesTheCardAndShowsTheFourPages() {
    SheetWorld w;
    w.settings.Active_page = 2;
    CPropPlant sheet(w.doc, w.settings, w.prompter, 7006, "Species");
    QCOMPARE(w.column("Keep_cond"), std::string("|||"));
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Plants\" WHERE \"Of_cod\"=7006"), std::string("1"));
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Info about Species barteri"));
    QCOMPARE(sheet.pages()->count(), 4);
    QCOMPARE(sheet.pages()->tabText(0), QStringLiteral("Info"));
    QCOMPARE(sheet.pages()->tabText(1), QStringLiteral("Description"));
    QCOMPARE(sheet.pages()->currentIndex(), 2);
    sheet.pages()->setCurrentIndex(1);
    sheet.accept();
    QCOMPARE(w.settings.Active_page, 1);
    CPropPlant again(w.doc, w.settings, w.prompter, 7006, "Species");
    QCOMPARE(w.scalar("SELECT count(*) FROM \"Plants\" WHERE \"Of_cod\"=7006"), std::string("1"));
    QCOMPARE(again.pages()->currentIndex(), 1);
}

void CPropPlantWindow::infoPageWritesEveryField() {
    SheetWorld w;
    {
        SpecPlant info(w.doc, w.prompter, 7006);
        QTest::keyClicks(info.keepEdit(catalogue::kPlantTemperature), "20-26");
        QTest::keyClicks(info.keepEdit(catalogue::kPlantPH), "6-7");
        QTest::keyClicks(info.keepEdit(catalogue::kPlantLighting), "5000");
        QTest::keyClicks(info.keepEdit(catalogue::kPlantSeeds), "40");
        QTest::keyClicks(info.substrat(), "clay");
        info.numberEdit(catalogue::PlantNumber::FlowTerm)->clear();
        QTest::keyClicks(info.numberEdit(catalogue::PlantNumber::FlowTerm), "30");
        info.numberEdit(catalogue::PlantNumber::SeedPercent)->clear();
        QTest::keyClicks(info.numberEdit(catalogue::PlantNumber::SeedPercent), "75");
        info.seasonBox()->setCurrentIndex(5);
        emit info.seasonBox()->activated(5);
        QTest::mouseClick(info.method(1), Qt::LeftButton);
        QTest::mouseClick(info.method(3), Qt::LeftButton);
        QVERIFY(w.prompter.shown().empty());
    }
    QCOMPARE(w.column("Keep_cond"), std::string("20-26|6-7||||5000||40|01010"));
    QCOMPARE(w.column("Substrat"), std::string("clay"));
    QCOMPARE(w.column("Flow_term") + "/" + w.column("Seed_perc") + "/" + w.column("Season"), std::string("30/75/5"));

    // Shown again as stored.
    SpecPlant again(w.doc, w.prompter, 7006);
    QCOMPARE(again.keepEdit(catalogue::kPlantLighting)->text(), QStringLiteral("5000"));
    QCOMPARE(again.seasonBox()->currentText(), QStringLiteral("spring-summer"));
    QVERIFY(again.method(1)->isChecked());
    QVERIFY(!again.method(0)->isChecked());
    QCOMPARE(again.numberEdit(catalogue::PlantNumber::FlowTerm)->text(), QStringLiteral("30"));

    // A percent beyond a byte is refused with the database's reason.
    again.numberEdit(catalogue::PlantNumber::SeedPercent)->clear();
    QTest::keyClicks(again.numberEdit(catalogue::PlantNumber::SeedPercent), "300");
    QVERIFY(!w.prompter.shown().empty());
    QCOMPARE(w.column("Seed_perc"), std::string("30"));
}

void CPropPlantWindow::habitatsAreBrowsedAndChosen() {
    SheetWorld w;
    SpecPlant info(w.doc, w.prompter, 7006);
    QCOMPARE(info.browseList()->count(), 2);
    QCOMPARE(info.browseList()->item(1)->text(), QStringLiteral("(+) Africa"));
    info.browseList()->setCurrentRow(1);
    emit info.browseList()->itemDoubleClicked(info.browseList()->item(1));
    QCOMPARE(info.browseList()->item(1)->text(), QStringLiteral("Cameroon"));
    info.browseList()->item(1)->setSelected(true);
    QTest::mouseClick(info.addButton(), Qt::LeftButton);
    QCOMPARE(w.column("Habitat"), std::string("4"));
    info.chosenList()->item(0)->setSelected(true);
    QTest::mouseClick(info.removeButton(), Qt::LeftButton);
    QCOMPARE(w.column("Habitat"), std::string(""));
}

void CPropPlantWindow::adultLengthChangesHeightOnly() {
    SheetWorld w;
    CPropPlant sheet(w.doc, w.settings, w.prompter, 7006, "Species");
    QTest::keyClicks(sheet.picturesPage()->maxLength(), "300");
    QCOMPARE(w.column("Height") + "/" + w.column("Spr_size") + "/" + w.column("Fl_size") + "/" +
                 w.column("Seed_size") + "/" + w.column("Diameter") + "/" + w.column("Keep_cond"),
             std::string("300/////|||"));
}

QTEST_MAIN(CPropPlantWindow)
#include "window_cpropplant.moc"
