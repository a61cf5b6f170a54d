// The catalogue dialog driven by keys and clicks on a real database.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/catalogue/CComboFind.h"
#include "ui/catalogue/CComboTaxon.h"
#include "ui/catalogue/Fishcatal.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;

namespace {

ChooserRequest fishes(int start) { return ChooserRequest{"Fishes catalog", "Class Pisces", 14, start}; }

int rowOf(const Fishcatal& d, std::int32_t level) { return d.model().rowOfLevel(level); }

// Accepts the next modal dialog as soon as it shows.
void acceptNextDialog() {
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
    });
}

}  // namespace

class FishcatalWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheStartingSpecies();
    void typingCompletesAndEnterChooses();
    void findListsAndSynonymChoice();
    void commonNameTwinsChosenByPosition();
    void contextMenuTextsFollowTheLanguage();
    void chooserReturnsTheTaxonAndTheMenuRemembersIt();
};

void FishcatalWindow::opensOnTheStartingSpecies() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(t.innesi));
    QCOMPARE(d.rowCount(), 11);
    const int species = rowOf(d, 64), genus = rowOf(d, 512);
    QCOMPARE(d.pathCombo(species)->currentText(), QStringLiteral("innesi"));
    QCOMPARE(d.pathCombo(species)->count(), 3);
    QCOMPARE(d.counter(species)->text(), QStringLiteral("3"));
    QCOMPARE(d.pathCombo(genus)->currentText(), QStringLiteral("Paracheirodon"));
    QCOMPARE(d.rowLabel(genus)->font().bold(), true);
    QCOMPARE(d.rowLabel(species)->text(), QStringLiteral("Species"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Fishes catalog (Default is Species innesi)"));
    QCOMPARE(d.fullNameLine()->text(), QStringLiteral("Paracheirodon innesi Myers, 1936"));
    QCOMPARE(d.synonyms()->count(), 0);
    QVERIFY(!d.stopReport()->isEnabled());
    QCOMPARE(d.findCombo(genus)->count(), 0);  // Find is off
}

void FishcatalWindow::typingCompletesAndEnterChooses() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(t.innesi));
    d.show();
    const int genus = rowOf(d, 512), species = rowOf(d, 64);
    QLineEdit* edit = d.pathCombo(genus)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "hy");
    QCOMPARE(edit->text(), QStringLiteral("Hyphessobrycon"));
    QCOMPARE(edit->selectedText(), QStringLiteral("phessobrycon"));
    QTest::keyClick(edit, Qt::Key_Backspace);  // erasing the completion does not complete again
    QCOMPARE(edit->text(), QStringLiteral("Hy"));
    QTest::keyClicks(edit, "z");
    QCOMPARE(edit->text(), QString());  // no entry begins with "Hyz"
    QTest::keyClicks(edit, "Hyp");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(d.currentTaxon(), t.hyphesso);
    QCOMPARE(s.currentTaxon, t.hyphesso);
    QCOMPARE(d.pathCombo(species)->count(), 1);
    QCOMPARE(d.pathCombo(species)->currentText(), QString());
    QCOMPARE(d.counter(species)->text(), QStringLiteral("1"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Fishes catalog (Default is Genus Hyphessobrycon)"));
    QCOMPARE(d.commandRow(), genus);
    // Choose the species with the arrow key.
    d.pathCombo(species)->setFocus();
    QTest::keyClick(d.pathCombo(species), Qt::Key_Down);
    QCOMPARE(d.currentTaxon(), t.amandae);
    QCOMPARE(d.fullNameLine()->text(), QStringLiteral("Hyphessobrycon amandae"));
}

void FishcatalWindow::findListsAndSynonymChoice() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(t.amandae));
    d.show();
    const int genus = rowOf(d, 512);
    QTest::mouseClick(d.enableFind(), Qt::LeftButton);
    QCOMPARE(s.Find, 1);
    QCOMPARE(d.findCombo(genus)->entries(),
             (QStringList{"Unknown", "Cheirodon (syn)", "Hyphessobrycon", "Paracheirodon"}));
    QCOMPARE(d.findCombo(genus)->currentText(), QStringLiteral("Unknown"));
    QCOMPARE(d.counter(genus)->text(), QStringLiteral("3"));
    QCOMPARE(d.findCombo(rowOf(d, 131072))->entries(), QStringList{"Unknown"});
    QLineEdit* edit = d.findCombo(genus)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "che");
    QCOMPARE(edit->text(), QStringLiteral("Cheirodon (syn)"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(d.currentTaxon(), t.paracheirodon);  // the accepted taxon
    QCOMPARE(d.synonyms()->count(), 1);
    QCOMPARE(d.synonyms()->item(0)->text(), QStringLiteral("Cheirodon"));
    QTest::mouseClick(d.enableFind(), Qt::LeftButton);
    QCOMPARE(s.Find, 0);
    QCOMPARE(d.findCombo(genus)->count(), 0);
}

void FishcatalWindow::commonNameTwinsChosenByPosition() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    testtaxa::addCommon(w.doc, t.innesi, "Неон", 1);
    testtaxa::addCommon(w.doc, t.simulans, "Неон", 1);
    core::Settings s;
    s.Default_language = 1;
    s.Find = 1;
    s.Common_name = 1;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(14));
    d.show();
    const int species = rowOf(d, 64);
    QVERIFY(d.enableFind()->isChecked());
    QCOMPARE(d.enableFind()->text(), QStringLiteral("Включить поиск"));
    QCOMPARE(d.findCombo(species)->entries(), (QStringList{"Unknown", "Неон", "Неон"}));
    QCOMPARE(d.rowLabel(species)->text(), QStringLiteral("Вид"));
    CComboFind* find = d.findCombo(species);
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Down);  // the first "Неон"
    std::int32_t first = d.currentTaxon();
    QTest::keyClick(find, Qt::Key_Down);  // the second
    std::int32_t second = d.currentTaxon();
    QVERIFY(first != second);
    QVERIFY((first == t.innesi && second == t.simulans) || (first == t.simulans && second == t.innesi));
    QCOMPARE(d.pathCombo(species)->currentText(), QString::fromStdString(second == t.innesi ? "innesi" : "simulans"));
    QTest::mouseClick(d.commonNames(), Qt::LeftButton);  // back to Latin names
    QCOMPARE(s.Common_name, 0);
    QCOMPARE(d.findCombo(species)->count(), 5);
}

void FishcatalWindow::contextMenuTextsFollowTheLanguage() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    s.Default_language = 1;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(t.innesi));
    d.show();
    QStringList texts, active;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            texts << a->text();
            if (a->isEnabled()) active << a->text();
        }
        menu->close();
    });
    CComboTaxon* combo = d.pathCombo(rowOf(d, 64));
    emit combo->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(texts.size(), 12);
    QCOMPARE(texts.first(), QStringLiteral("Добавить -"));
    QVERIFY(texts.contains(QStringLiteral("Обзор систематики")));
    // Everything but the family's survey, which a species has not.
    QCOMPARE(active.size(), 11);
    QVERIFY(active.contains(QStringLiteral("Добавить -")));
    QVERIFY(active.contains(QStringLiteral("Обзор систематики")));
    QVERIFY(active.contains(QStringLiteral("Добавить htm-лестницу для -")));
    QVERIFY(!active.contains(QStringLiteral("Обзор семейства...")));
    QCOMPARE(d.commandRow(), rowOf(d, 64));
    p.answerNext(platform::Answer::No);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);  // the key belongs to the command, not the text
    QCOMPARE(p.lastText(), std::string("      Are you sure?"));
    QCOMPARE(combo->currentText(), QStringLiteral("innesi"));
}

void FishcatalWindow::chooserReturnsTheTaxonAndTheMenuRemembersIt() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    core::Settings s;
    s.Default_fish = t.axelrodi;
    platform::ScriptedPrompter p;
    FishcatalChooser chooser(w.doc, s, p);
    acceptNextDialog();
    std::optional<int> chosen = chooser.choose(nullptr, fishes(t.simulans));
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, t.simulans);
    QCOMPARE(s.Default_fish, t.axelrodi);  // the chooser itself remembers nothing
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    QVERIFY(!chooser.choose(nullptr, fishes(t.simulans)).has_value());
    // From the main window: the next species is chosen and kept on OK only.
    auto chooseNextSpecies = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<Fishcatal*>(QApplication::activeModalWidget());
            if (!d) return;
            QTest::keyClick(d->pathCombo(d->model().rowOfLevel(64)), Qt::Key_Down);
            ok ? d->accept() : d->reject();
        });
    };
    chooseNextSpecies(false);
    openCatalogue(nullptr, w.doc, s, p, catalogue::fishCatalogueRequest(s));
    QCOMPARE(s.Default_fish, t.axelrodi);
    chooseNextSpecies(true);
    openCatalogue(nullptr, w.doc, s, p, catalogue::fishCatalogueRequest(s));
    QCOMPARE(s.Default_fish, t.innesi);
    s.Default_crus = 1;
    chooseNextSpecies(true);  // a class that keeps no selection here
    openCatalogue(nullptr, w.doc, s, p, catalogue::CatalogueRequest{10420, "Crustaceans catalog", "Class Crustacea", 10420, nullptr});
    QCOMPARE(s.Default_crus, 1);
}

QTEST_MAIN(FishcatalWindow)
#include "window_fishcatal.moc"
