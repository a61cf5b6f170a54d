// The stair page of the plant sheet: opening it makes no animal card, and
// the copy button takes the checked plant properties two levels down.
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "catalogue/EditingWorld.h"
#include "catalogue/PlantCard.h"
#include "core/Settings.h"
#include "ui/catalogue/CPropPlant.h"
#include "ui/catalogue/CStair.h"

using testtaxa::addTaxon;

class PlantStairWindow : public QObject {
    Q_OBJECT
private slots:
    void theStairCopiesPlantCardsDown() {
        editingtest::EditingWorld w;
        core::Settings settings;
        settings.Application_path = w.workDir().string();
        std::int32_t genus = addTaxon(w.doc, "Vesicularia", 512, 12329, 12329);
        std::int32_t species = addTaxon(w.doc, "dubyana", 64, genus, 12329);
        std::int32_t form = addTaxon(w.doc, "minima", 32, species, 12329);
        w.exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Asia',0)");
        catalogue::openPlantCard(w.doc, genus);
        w.exec("UPDATE \"Plants\" SET \"Height\"='5-10', \"Habitat\"='3', \"Keep_cond\"='20-28|6-7|||||||' "
               "WHERE \"Of_cod\"=" + std::to_string(genus));
        const std::string animalCards = w.count("Fishes", "1=1");

        CPropPlant sheet(w.doc, settings, w.prompter, genus, "Genus");
        CStair* stair = sheet.stair();
        QCOMPARE(w.count("Fishes", "1=1"), animalCards);  // opening made no animal card
        QCOMPARE(stair->box("height")->text(), QStringLiteral("Height = 5-10"));
        QCOMPARE(stair->box("plantKeep0")->text(), QStringLiteral("t = 20-28"));
        QCOMPARE(stair->habitatList()->count(), 1);
        stair->box("height")->setChecked(true);
        stair->box("habitat")->setChecked(true);
        stair->keepGroup()->setChecked(true);
        stair->box("plantKeep0")->setChecked(true);
        QTest::mouseClick(stair->copyButton(), Qt::LeftButton);
        QVERIFY(w.prompter.shown().empty());
        for (std::int32_t cod : {species, form}) {
            const std::string where = "Of_cod=" + std::to_string(cod);
            QCOMPARE(w.count("Plants", where + " AND Height='5-10' AND Habitat='3'"), std::string("1"));
            QCOMPARE(w.scalar("SELECT Keep_cond FROM Plants WHERE " + where), std::string("20-28||||||||"));
        }
        QCOMPARE(w.count("Fishes", "1=1"), animalCards);
    }
};

QTEST_MAIN(PlantStairWindow)
#include "window_plant_stair.moc"
