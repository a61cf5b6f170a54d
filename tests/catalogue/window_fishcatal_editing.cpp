// The catalogue's editing commands driven by their keys in the path combos,
// with the rows and the files on disk checked afterwards.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "ui/catalogue/CComboFind.h"
#include "ui/catalogue/CComboTaxon.h"
#include "catalogue/EditingWorld.h"
#include "ui/catalogue/Fishcatal.h"
#include "catalogue/ModalDriver.h"
#include "ui/catalogue/New_fish.h"
#include "ui/catalogue/Synlist.h"
#include "ui/catalogue/TOdial.h"

using namespace catalogue;
using editingtest::readFile;
using editingtest::writeFile;

namespace {

ChooserRequest fishes(int start) { return ChooserRequest{"Fishes catalog", "Class Pisces", 14, start}; }

struct World : editingtest::EditingWorld {
    core::Settings settings;
    World() { settings.Application_path = workDir().string(); }
};

void press(Fishcatal& d, std::int32_t level, Qt::Key key) {
    QLineEdit* edit = d.pathCombo(d.model().rowOfLevel(level))->lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, key);
}

// Types into the next name dialog and confirms it; seen looks at it first.
void typeName(const char* latin, const char* describer = "", const char* year = "",
              std::function<void(New_fish*)> seen = {}) {
    modaltest::whenShown<New_fish>([=](New_fish* n) {
        if (seen) seen(n);
        n->latinName()->selectAll();
        QTest::keyClicks(n->latinName(), latin);
        n->describer()->selectAll();
        QTest::keyClicks(n->describer(), describer);
        n->year()->selectAll();
        QTest::keyClicks(n->year(), year);
        modaltest::clickButton(n, QDialogButtonBox::Ok);
    });
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

QStringList texts(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

std::string str(std::int64_t v) { return std::to_string(v); }

}  // namespace

class FishcatalEditingWindow : public QObject {
    Q_OBJECT
private slots:
    void insertAddsASiblingAndF2EditsIt();
    void deleteTakesTheOnlySpeciesAndItsFilesAndShowsTheGenus();
    void f3AddsASynonymAndF4MakesTheTaxonOne();
    void insertAsksAboutOtherBranchesWhileFindIsOn();
};

void FishcatalEditingWindow::insertAddsASiblingAndF2EditsIt() {
    World w;
    writeFile(w.page(w.tetras.paracheirodon), "stale");
    Fishcatal d(w.doc, w.settings, w.prompter, fishes(w.tetras.innesi));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const int species = d.model().rowOfLevel(64);
    QString heading;
    typeName("Gracilis", "Eigenmann", "1915", [&](New_fish* n) { heading = n->heading()->text(); });
    press(d, 64, Qt::Key_Insert);
    QCOMPARE(heading, QStringLiteral("New Species"));
    QCOMPARE(d.pathCombo(species)->entries(), (QStringList{"axelrodi", "gracilis", "innesi", "simulans"}));
    QCOMPARE(d.pathCombo(species)->currentText(), QStringLiteral("gracilis"));
    QCOMPARE(d.counter(species)->text(), QStringLiteral("4"));
    QCOMPARE(d.fullNameLine()->text(), QStringLiteral("Paracheirodon gracilis Eigenmann, 1915"));
    QCOMPARE(w.count("Reedmere", "Lat_name='gracilis' AND Author='Eigenmann, 1915' AND Of_cod=" +
                                     str(w.tetras.paracheirodon)),
             std::string("1"));
    QVERIFY(readFile(w.page(w.tetras.paracheirodon)).find("gracilis") != std::string::npos);

    QString shown;
    typeName("agracilis", "Eigenmann", "1918",
             [&](New_fish* n) { shown = n->latinName()->text() + "|" + n->year()->text(); });
    press(d, 64, Qt::Key_F2);
    QCOMPARE(shown, QStringLiteral("gracilis|1915"));
    QCOMPARE(d.pathCombo(species)->entries(), (QStringList{"agracilis", "axelrodi", "innesi", "simulans"}));
    QCOMPARE(d.pathCombo(species)->currentText(), QStringLiteral("agracilis"));
    QCOMPARE(w.count("Reedmere", "Lat_name='agracilis' AND Author='Eigenmann, 1918'"), std::string("1"));
}

void FishcatalEditingWindow::deleteTakesTheOnlySpeciesAndItsFilesAndShowsTheGenus() {
    World w;
    const std::string c = str(w.tetras.amandae);
    writeFile(w.page(w.tetras.amandae), "page");
    writeFile(w.picture("m" + c + "_a.jpg"), "GIF89a");
    testtaxa::addCommon(w.doc, w.tetras.amandae, "Ember tetra", 0);
    Fishcatal d(w.doc, w.settings, w.prompter, fishes(w.tetras.amandae));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    w.prompter.answerNext(platform::Answer::Yes);
    press(d, 64, Qt::Key_Delete);
    QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
    QCOMPARE(d.currentTaxon(), w.tetras.hyphesso);
    QCOMPARE(d.pathCombo(d.model().rowOfLevel(512))->currentText(), QStringLiteral("Hyphessobrycon"));
    QCOMPARE(d.pathCombo(d.model().rowOfLevel(64))->count(), 0);
    QCOMPARE(w.count("Reedmere", "Cod=" + c), std::string("0"));
    QCOMPARE(w.count("Common", "Of_fish=" + c), std::string("0"));
    QVERIFY(!std::filesystem::exists(w.page(w.tetras.amandae)));
    QVERIFY(!std::filesystem::exists(w.picture("m" + c + "_a.jpg")));

    w.prompter.answerNext(platform::Answer::No);
    press(d, 512, Qt::Key_Delete);  // the genus has no species left: only the question stops it
    QCOMPARE(w.prompter.shown().size(), 2u);
    QCOMPARE(w.count("Reedmere", "Cod=" + str(w.tetras.hyphesso)), std::string("1"));
}

void FishcatalEditingWindow::f3AddsASynonymAndF4MakesTheTaxonOne() {
    World w;
    Fishcatal d(w.doc, w.settings, w.prompter, fishes(w.tetras.innesi));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QStringList before;
    modaltest::whenShown<Synlist>([&](Synlist* s) {
        before = texts(s->lines());
        typeName("Lamprocheirodon");
        QTest::mouseClick(s->newButton(), Qt::LeftButton);
        button(s, QStringLiteral("OK"))->click();
    });
    press(d, 512, Qt::Key_F3);
    QCOMPARE(before, QStringList{"Cheirodon"});
    QCOMPARE(w.count("Reedmere", "Lat_name='Lamprocheirodon' AND Classific=" + str(512 + kSynonymOffset)),
             std::string("1"));
    QCOMPARE(d.currentTaxon(), w.tetras.innesi);

    modaltest::whenShown<TOdial>([&](TOdial* t) {
        t->belongsTo()->setCurrentRow(t->belongsTo()->count() - 1);  // "Synonym of"
        t->names()->setCurrentRow(0);                                // axelrodi
        modaltest::clickButton(t, QDialogButtonBox::Ok);
    });
    press(d, 64, Qt::Key_F4);
    QCOMPARE(d.currentTaxon(), w.tetras.axelrodi);
    QCOMPARE(d.synonyms()->count(), 1);
    QCOMPARE(d.synonyms()->item(0)->text(), QStringLiteral("innesi Myers, 1936"));
    QCOMPARE(d.pathCombo(d.model().rowOfLevel(64))->entries(), (QStringList{"axelrodi", "simulans"}));
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + str(w.tetras.innesi)),
             str(64 + kSynonymOffset));
}

void FishcatalEditingWindow::insertAsksAboutOtherBranchesWhileFindIsOn() {
    World w;
    w.settings.Find = 1;
    Fishcatal d(w.doc, w.settings, w.prompter, fishes(w.tetras.amandae));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const int species = d.model().rowOfLevel(64);
    QCOMPARE(d.findCombo(species)->count(), 5);  // "Unknown" and four species
    w.prompter.answerNext(platform::Answer::Yes);
    typeName("innesi");
    press(d, 64, Qt::Key_Insert);
    QCOMPARE(w.prompter.lastText(), std::string("Species innesi has founded in these branch:\n\nCharacidae "
                                                "Paracheirodon innesi \n\nDo you wanna create it nevertheless?"));
    QCOMPARE(d.pathCombo(species)->entries(), (QStringList{"amandae", "innesi"}));
    QCOMPARE(d.findCombo(species)->count(), 6);
    QCOMPARE(d.findCombo(species)->entries().count(QStringLiteral("innesi")), 2);
}

QTEST_MAIN(FishcatalEditingWindow)
#include "window_fishcatal_editing.moc"
