// The catalogue window as a new user meets it: the empty Crustacea class
// takes its first taxon, and keys typed into a box of names act on the box.
#include <QLineEdit>
#include <QtTest>

#include "catalogue/EditingWorld.h"
#include "catalogue/ModalDriver.h"
#include "ui/catalogue/CComboTaxon.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/catalogue/New_fish.h"

using namespace catalogue;

namespace {

struct World : editingtest::EditingWorld {
    core::Settings settings;
    World() { settings.Application_path = workDir().string(); }
};

void typeName(const char* latin) {
    modaltest::whenShown<New_fish>([=](New_fish* n) {
        n->latinName()->selectAll();
        QTest::keyClicks(n->latinName(), latin);
        modaltest::clickButton(n, QDialogButtonBox::Ok);
    });
}

QLineEdit* pathEdit(Fishcatal& d, std::int32_t level) { return d.pathCombo(d.model().rowOfLevel(level))->lineEdit(); }

}  // namespace

class CatalogueTypingWindow : public QObject {
    Q_OBJECT
private slots:
    void theEmptyCrustaceaClassTakesItsFirstTaxon() {
        World w;
        QCOMPARE(w.count("Reedmere", "Of_cod=10420"), std::string("0"));
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Crustacea catalog", "Class Crustacea", 10420, 10420});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        typeName("Eucarida");
        QLineEdit* top = pathEdit(d, 131072);
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Insert);
        QCOMPARE(w.count("Reedmere", "Lat_name='Eucarida' AND Of_cod=10420 AND Class=10420 AND Classific=131072"),
                 std::string("1"));
        QCOMPARE(d.pathCombo(0)->currentText(), QStringLiteral("Eucarida"));
        // The class is empty again after a delete, and still takes a taxon.
        w.prompter.answerNext(platform::Answer::Yes);
        QTest::keyClick(pathEdit(d, 131072), Qt::Key_Delete);
        QCOMPARE(w.count("Reedmere", "Of_cod=10420"), std::string("0"));
        typeName("Peracarida");
        pathEdit(d, 131072)->setFocus();
        QTest::keyClick(pathEdit(d, 131072), Qt::Key_Insert);
        QCOMPARE(w.count("Reedmere", "Lat_name='Peracarida' AND Of_cod=10420"), std::string("1"));
    }

    void enterAndDeleteTypedIntoANameActOnTheName() {
        World w;
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Fishes catalog", "Class Pisces", 14, w.tetras.innesi});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QLineEdit* species = pathEdit(d, 64);
        species->setFocus();
        species->clear();
        QTest::keyClicks(species, "ax");
        QCOMPARE(species->text(), QStringLiteral("axelrodi"));
        QTest::keyClick(species, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(d.currentTaxon(), w.tetras.axelrodi);

        species = pathEdit(d, 64);
        species->setFocus();
        species->clear();
        QTest::keyClicks(species, "s");
        QCOMPARE(species->text(), QStringLiteral("simulans"));
        QTest::keyClick(species, Qt::Key_Delete);  // erases the completed part, asks nothing
        QCOMPARE(species->text(), QStringLiteral("s"));
        QVERIFY(w.prompter.shown().empty());
        QCOMPARE(w.count("Reedmere", "Cod=" + std::to_string(w.tetras.simulans)), std::string("1"));
        QVERIFY(d.isVisible());
    }
};

QTEST_MAIN(CatalogueTypingWindow)
#include "window_catalogue_typing.moc"
