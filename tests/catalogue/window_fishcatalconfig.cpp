// The high-taxonomy dialog driven by clicks on a real database.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "ui/catalogue/Fishcatalconfig.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;

class FishcatalconfigWindow : public QObject {
    Q_OBJECT
private slots:
    void treeAndNewButtonsFollowTheSelection();
    void classConfigurationIsSavedAndTheMenuFlagAlone();
};

void FishcatalconfigWindow::treeAndNewButtonsFollowTheSelection() {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    platform::ScriptedPrompter p;
    Fishcatalconfig d(w.doc, 0, p);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("High Taxonomy"));
    QCOMPARE(d.tree()->topLevelItemCount(), 1);
    QCOMPARE(d.tree()->topLevelItem(0)->text(0), QStringLiteral("Biota"));
    QVERIFY(d.itemOf(14));
    QCOMPARE(d.itemOf(14)->text(0), QStringLiteral("Pisces (Fishes)"));
    QCOMPARE(d.itemOf(14)->childCount(), 0);  // the catalogue begins below
    QVERIFY(!d.itemOf(t.superorder));
    d.tree()->setCurrentItem(d.itemOf(1));  // the root: g = 3
    QCOMPARE(d.newButton(0)->text(), QStringLiteral("New Subkingdom"));
    QCOMPARE(d.newButton(2)->text(), QStringLiteral("New Domain"));
    QVERIFY(!d.config()->isVisible());
    QVERIFY(!d.saveConfig()->isEnabled());
    d.tree()->setCurrentItem(d.itemOf(14));  // a class: g = 1
    QCOMPARE(d.newButton(0)->text(), QStringLiteral("New Superorder"));
    QCOMPARE(d.newButton(1)->text(), QStringLiteral("New..."));
    QVERIFY(d.config()->isVisible());
}

void FishcatalconfigWindow::classConfigurationIsSavedAndTheMenuFlagAlone() {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    Fishcatalconfig d(w.doc, 1, p);
    d.show();
    d.tree()->scrollToItem(d.itemOf(12176));
    QRect r = d.tree()->visualItemRect(d.itemOf(12176));
    QTest::mouseClick(d.tree()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(d.tree()->currentItem(), d.itemOf(12176));
    QCOMPARE(d.levelBoxes().size(), std::size_t(15));
    QCOMPARE(d.levelBoxes()[0]->text(), QStringLiteral("Надотряд"));
    QVERIFY(!d.levelBoxes()[4]->isChecked());
    QVERIFY(!d.setToMenu()->isChecked());
    QTest::mouseClick(d.setToMenu(), Qt::LeftButton);
    QCOMPARE(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=12176"), std::string("1111010011011111"));
    d.levelBoxes()[4]->setChecked(true);   // 8192 shown
    d.levelBoxes()[0]->setChecked(false);  // 131072 hidden
    QTest::mouseClick(d.saveConfig(), Qt::LeftButton);
    QCOMPARE(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=12176"), std::string("0111110011011111"));
    QCOMPARE(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=12329"), std::string("1111010011011110"));
}

QTEST_MAIN(FishcatalconfigWindow)
#include "window_fishcatalconfig.moc"
