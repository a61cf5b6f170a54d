// The synonym list driven by its buttons and the name dialog, on a real database.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "catalogue/EditingWorld.h"
#include "catalogue/ModalDriver.h"
#include "ui/catalogue/New_fish.h"
#include "ui/catalogue/Synlist.h"

using namespace catalogue;

namespace {

QStringList texts(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Types into the next name dialog and confirms it; seen looks at it first.
void typeName(const char* latin, const char* common, const char* describer, const char* year,
              std::function<void(New_fish*)> seen) {
    modaltest::whenShown<New_fish>([=](New_fish* d) {
        seen(d);
        d->latinName()->selectAll();
        QTest::keyClicks(d->latinName(), latin);
        d->commonName()->selectAll();
        QTest::keyClicks(d->commonName(), common);
        d->describer()->selectAll();
        QTest::keyClicks(d->describer(), describer);
        d->year()->selectAll();
        QTest::keyClicks(d->year(), year);
        modaltest::clickButton(d, QDialogButtonBox::Ok);
    });
}

}  // namespace

class SynlistWindow : public QObject {
    Q_OBJECT
private slots:
    void newSynonymLandsAtItsSortedPositionSelected();
    void editAndDeleteActOnTheSelectedLine();
};

void SynlistWindow::newSynonymLandsAtItsSortedPositionSelected() {
    editingtest::EditingWorld w;
    testtaxa::addTaxon(w.doc, "Zeta", 512 + kSynonymOffset, w.tetras.paracheirodon);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    Synlist d(list, w.prompter);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("List of synonyms"));
    QCOMPARE(d.caption()->text(), QStringLiteral("Synonyms for Genus Paracheirodon"));
    QCOMPARE(texts(d.lines()), (QStringList{"Cheirodon", "Zeta"}));
    QVERIFY(!d.editButton()->isEnabled());
    QVERIFY(!d.deleteButton()->isEnabled());

    QString heading;
    typeName("Lamprocheirodon ", "Cardinal", "Gery", "1960", [&](New_fish* n) { heading = n->heading()->text(); });
    QTest::mouseClick(d.newButton(), Qt::LeftButton);
    QCOMPARE(heading, QStringLiteral("New synonym for Genus Paracheirodon"));
    QCOMPARE(texts(d.lines()), (QStringList{"Cheirodon", "Lamprocheirodon Gery, 1960 (Cardinal)", "Zeta"}));
    QCOMPARE(d.lines()->currentRow(), 1);
    QVERIFY(d.editButton()->isEnabled());
    QCOMPARE(w.count("Reedmere", "Lat_name='Lamprocheirodon' AND Classific=" + std::to_string(512 + kSynonymOffset) +
                                     " AND Of_cod=" + std::to_string(w.tetras.paracheirodon)),
             std::string("1"));
}

void SynlistWindow::editAndDeleteActOnTheSelectedLine() {
    editingtest::EditingWorld w;
    testtaxa::addCommon(w.doc, w.tetras.cheirodon, "Old", 0);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    Synlist d(list, w.prompter);
    d.show();
    d.lines()->setCurrentRow(0);
    QString latin;
    // An emptied common name keeps the old one.
    typeName("Cheirodon", "", "Eigenmann", "1915", [&](New_fish* n) {
        latin = n->latinName()->text();
        n->commonName()->clear();
    });
    QTest::mouseClick(d.editButton(), Qt::LeftButton);
    QCOMPARE(latin, QStringLiteral("Cheirodon"));
    QCOMPARE(texts(d.lines()), (QStringList{"Cheirodon Eigenmann, 1915 (Old)"}));

    w.prompter.answerNext(platform::Answer::No);
    QTest::mouseClick(d.deleteButton(), Qt::LeftButton);
    QCOMPARE(d.lines()->count(), 1);
    w.prompter.answerNext(platform::Answer::Yes);
    QTest::mouseClick(d.deleteButton(), Qt::LeftButton);
    QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
    QCOMPARE(d.lines()->count(), 0);
    QVERIFY(!d.deleteButton()->isEnabled());
    QCOMPARE(w.count("Reedmere", "Cod=" + std::to_string(w.tetras.cheirodon)), std::string("0"));
}

QTEST_MAIN(SynlistWindow)
#include "window_synlist.moc"
