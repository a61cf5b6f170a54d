// "Changing of taxon " driven by clicks, on a real database.
#include <QCheckBox>
#include <QListWidget>
#include <QtTest>

#include "catalogue/EditingWorld.h"
#include "catalogue/ModalDriver.h"
#include "ui/catalogue/TOdial.h"

using namespace catalogue;

namespace {

QStringList texts(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

class TOdialWindow : public QObject {
    Q_OBJECT
private slots:
    void synonymOfMakesTheTaxonASynonymOnOk();
    void cancelRestoresLevelAndParent();
    void allListsEveryTaxonOfTheLevel();
    void underAHiddenLevelNothingIsWrittenUntilAChoice();
};

void TOdialWindow::synonymOfMakesTheTaxonASynonymOnOk() {
    editingtest::EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, w.tetras.innesi));
    TOdial d(move, w.prompter);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Changing of taxon innesi"));
    QCOMPARE(texts(d.levels()), (QStringList{"Subgenus innesi", "Species innesi"}));
    QCOMPARE(d.levels()->currentRow(), 1);
    QCOMPARE(texts(d.belongsTo()), (QStringList{"Subgenus", "Genus", "Family", "Synonym of"}));
    QCOMPARE(d.belongsTo()->currentRow(), 1);
    QCOMPARE(texts(d.names()), (QStringList{"Hyphessobrycon", "Paracheirodon"}));
    QCOMPARE(d.names()->currentRow(), 1);
    clickRow(d.belongsTo(), 3);
    QCOMPARE(texts(d.names()), (QStringList{"axelrodi", "simulans"}));
    clickRow(d.names(), 1);
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)),
             std::to_string(64 + kSynonymOffset));
    modaltest::clickButton(&d, QDialogButtonBox::Ok);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)),
             std::to_string(w.tetras.simulans));
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)),
             std::to_string(64 + kSynonymOffset));
}

void TOdialWindow::cancelRestoresLevelAndParent() {
    editingtest::EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, w.tetras.innesi));
    TOdial d(move, w.prompter);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    clickRow(d.levels(), 0);
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)), std::string("256"));
    clickRow(d.names(), 0);
    QCOMPARE(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)),
             std::to_string(w.tetras.hyphesso));
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)), std::string("64"));
    QCOMPARE(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + std::to_string(w.tetras.innesi)),
             std::to_string(w.tetras.paracheirodon));
}

void TOdialWindow::allListsEveryTaxonOfTheLevel() {
    editingtest::EditingWorld w;
    std::int32_t lebias = testtaxa::addTaxon(w.doc, "Lebiasinidae", 4096, w.tetras.order);
    testtaxa::addTaxon(w.doc, "Nannostomus", 512, lebias);
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, w.tetras.innesi));
    TOdial d(move, w.prompter);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    clickRow(d.belongsTo(), 1);
    QTest::keyClick(d.all(), Qt::Key_Space);
    QVERIFY(d.all()->isChecked());
    QCOMPARE(texts(d.names()), (QStringList{"Hyphessobrycon", "Nannostomus", "Paracheirodon"}));
    QCOMPARE(d.names()->currentRow(), 2);  // the parent stays chosen
    QTest::keyClick(d.all(), Qt::Key_Space);
    QCOMPARE(texts(d.names()), (QStringList{"Hyphessobrycon", "Paracheirodon"}));
    QCOMPARE(d.names()->currentRow(), 1);
}

void TOdialWindow::underAHiddenLevelNothingIsWrittenUntilAChoice() {
    editingtest::EditingWorld w;
    std::int32_t superfamily = testtaxa::addTaxon(w.doc, "Characoidea", 8192, w.tetras.order);  // hidden in Pisces
    std::int32_t lebias = testtaxa::addTaxon(w.doc, "Lebiasinidae", 4096, superfamily);
    testtaxa::addTaxon(w.doc, "Nannostomus", 512, lebias);
    CatalogueModel m(w.doc, 14, 0);
    m.show(lebias);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, lebias));
    TOdial d(move, w.prompter);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(texts(d.levels()), QStringList{"Family Lebiasinidae"});
    QCOMPARE(d.levels()->currentRow(), 0);
    clickRow(d.levels(), 0);
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(lebias)), std::string("4096"));
    modaltest::clickButton(&d, QDialogButtonBox::Ok);
    QCOMPARE(w.scalar("SELECT Classific || ' ' || Of_cod FROM Reedmere WHERE Cod=" + std::to_string(lebias)),
             "4096 " + std::to_string(superfamily));
}

QTEST_MAIN(TOdialWindow)
#include "window_todial.moc"
