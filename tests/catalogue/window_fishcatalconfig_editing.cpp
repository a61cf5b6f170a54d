// The high-taxonomy dialog's "New..." and "Edit..." buttons, clicked, on a real database.
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "ui/catalogue/Fishcatalconfig.h"
#include "catalogue/HighTaxonomyEditing.h"
#include "common/TestEnv.h"

using namespace catalogue;

class FishcatalconfigEditingWindow : public QObject {
    Q_OBJECT
private slots:
    void newButtonsAddChildrenUnderTheSelectedNode();
    void editRenamesTheNodeAndItsCommonName();
};

void FishcatalconfigEditingWindow::newButtonsAddChildrenUnderTheSelectedNode() {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    Fishcatalconfig d(w.doc, 0, p);
    d.show();
    QTreeWidgetItem* vertebrata = d.itemOf(4);
    d.tree()->setCurrentItem(vertebrata);
    QCOMPARE(d.newButton(0)->text(), QStringLiteral("New Megaclass"));
    const int before = vertebrata->childCount();
    p.typeNext("Osteichthyes");
    p.typeNext("Bony fishes");
    QTest::mouseClick(d.newButton(0), Qt::LeftButton);
    QCOMPARE(p.shown()[0].text, std::string("Enter latin name"));
    QCOMPARE(p.shown()[1].text, std::string("Enter common name"));
    QCOMPARE(vertebrata->childCount(), before + 1);
    QCOMPARE(d.tree()->currentItem(), vertebrata);
    const std::string cod = w.scalar("SELECT Cod FROM Reedmere WHERE Lat_name='Osteichthyes'");
    QVERIFY(!cod.empty());
    QCOMPARE(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + cod), std::string(", "));
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + cod), std::string("1048576"));
    QCOMPARE(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + cod), std::string("4"));
    QTreeWidgetItem* mega = d.itemOf(std::stoi(cod));
    QVERIFY(mega);
    QCOMPARE(mega->parent(), vertebrata);
    QCOMPARE(mega->text(0), QStringLiteral("Osteichthyes (Bony fishes)"));

    d.tree()->setCurrentItem(mega);  // a megaclass reaches the class level with its second button
    QCOMPARE(d.newButton(1)->text(), QStringLiteral("New Class"));
    p.typeNext("Actinopterygii");
    p.typeNext("");
    QTest::mouseClick(d.newButton(1), Qt::LeftButton);
    const std::string cls = w.scalar("SELECT Cod FROM Reedmere WHERE Lat_name='Actinopterygii'");
    QCOMPARE(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + cls), std::string("1111010011011110"));
    QCOMPARE(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + cls), std::string("262144"));
    QCOMPARE(w.scalar("SELECT COUNT(*) FROM Common WHERE Name='' AND Of_fish=" + cls), std::string("1"));
    QCOMPARE(d.itemOf(std::stoi(cls))->text(0), QStringLiteral("Actinopterygii"));

    p.typeNext("Sarcopterygii", false);  // Cancel creates nothing
    QTest::mouseClick(d.newButton(1), Qt::LeftButton);
    QCOMPARE(mega->childCount(), 1);
}

void FishcatalconfigEditingWindow::editRenamesTheNodeAndItsCommonName() {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    Fishcatalconfig d(w.doc, 0, p);
    d.show();
    d.tree()->setCurrentItem(nullptr);
    QVERIFY(!d.editButton()->isEnabled());
    d.tree()->setCurrentItem(d.itemOf(14));
    QVERIFY(d.editButton()->isEnabled());
    p.typeNext("Pisces");
    p.typeNext("Fish");
    QTest::mouseClick(d.editButton(), Qt::LeftButton);
    QCOMPARE(p.shown()[0].text, std::string("Edit latin name"));
    QCOMPARE(p.shown()[1].text, std::string("Edit common name"));
    QCOMPARE(d.itemOf(14)->text(0), QStringLiteral("Pisces (Fish)"));
    QCOMPARE(w.scalar("SELECT Name FROM Common WHERE Language=0 AND Of_fish=14"), std::string("Fish"));
    QCOMPARE(w.scalar("SELECT Author FROM Reedmere WHERE Cod=14"), std::string("1111010011011110"));
}

QTEST_MAIN(FishcatalconfigEditingWindow)
#include "window_fishcatalconfig_editing.moc"
