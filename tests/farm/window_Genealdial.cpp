// The genealogy tree and the spawnings list offscreen, and the lot dialog's
// buttons that open them and the price card.
#include <QApplication>
#include <QLineEdit>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "FarmWorld.h"
#include "ui/farm/Genealdial.h"
#include "ui/farm/Myfish.h"
#include "ui/farm/Pricedlg.h"

namespace {

struct NoChooser : catalogue::TaxonChooser {
    std::optional<int> choose(QWidget*, const catalogue::ChooserRequest&) override { return std::nullopt; }
};

struct World : farmtest::FarmWorld {
    int tank63 = tank(600, 300, 350, "breeding");
    int spawn(int father, int mother, const std::string& laid) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (100,80," +
             std::to_string(father) + "," + std::to_string(mother) + ",60," + farmtest::stamp(laid) + "," +
             farmtest::stamp(laid) + ",0)");
        return lastId();
    }
};

}  // namespace

class TestGenealdial : public QObject {
    Q_OBJECT
private slots:
    void treeShowsFatherThenMother() {
        World w;
        int father = w.lot({w.species, w.tank63, 0, 1, 0, "F"});
        int mother = w.lot({w.species, w.tank63, 0, 0, 1, "M"});
        farmtest::FarmWorld::Lot young{w.species, w.tank63, 20};
        young.ofFry = w.spawn(father, mother, "2026-02-01");
        int child = w.lot(young);
        Genealdial dlg(nullptr, w.doc, child, Genealdial::Mode::Tree);
        QCOMPARE(dlg.windowTitle(), QString("Genealogy"));
        QTreeWidget* tree = dlg.tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QString("01.03.2026: Apistogramma agassizii"));
        QCOMPARE(root->childCount(), 2);
        QCOMPARE(root->child(0)->text(0), QString("01.03.2026: Apistogramma agassizii (F)"));
        QCOMPARE(root->child(1)->text(0), QString("01.03.2026: Apistogramma agassizii (M)"));
        QVERIFY(root->isExpanded());

        Genealdial bought(nullptr, w.doc, father, Genealdial::Mode::Tree);
        QCOMPARE(bought.tree()->topLevelItem(0)->childCount(), 0);
    }

    void spawningsListWithAndWithoutSpawnings() {
        World w;
        int father = w.lot({w.species, w.tank63, 0, 1, 0, "F"});
        int mother = w.lot({w.species, w.tank63, 0, 0, 1, "M"});
        w.spawn(father, mother, "2026-02-01");
        Genealdial dlg(nullptr, w.doc, father, Genealdial::Mode::Spawnings);
        QCOMPARE(dlg.windowTitle(), QString("Spawnings with"));
        QCOMPARE(dlg.list()->count(), 3);
        QCOMPARE(dlg.list()->item(0)->text(), QString("01.02.2026: Apistogramma agassizii (M) - 100 eggs, 80 larvas, 60 fries"));
        QCOMPARE(dlg.list()->item(2)->text(), QString("In all: 100 eggs, 80 larvas, 60 fries"));

        int single = w.lot({w.shrimp, w.tank63, 4});
        Genealdial none(nullptr, w.doc, single, Genealdial::Mode::Spawnings);
        QCOMPARE(none.list()->count(), 1);
        QCOMPARE(none.list()->item(0)->text(), QString("Spawnings not detected"));
    }

    void lotDialogButtonsOpenThem() {
        World w;
        core::Settings settings;
        settings.Default_aquarium = w.tank63;
        platform::ScriptedPrompter prompter;
        NoChooser chooser;
        w.lot({w.species, w.tank63, 0, 1, 0, "F"});
        Myfish lots(nullptr, w.doc, settings, prompter, chooser);
        auto* list = lots.findChild<QListWidget*>("lots");
        if (!list) list = lots.findChildren<QListWidget*>().value(0);
        QVERIFY(list);
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);

        QStringList titles;
        auto closeNext = [&titles](std::function<void(QDialog*)> act = {}) {
            QTimer::singleShot(0, [&titles, act] {
                auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!dlg) return;
                titles << dlg->windowTitle();
                if (act) act(dlg);
                else dlg->accept();
            });
        };
        closeNext();
        QTest::mouseClick(lots.findChild<QPushButton*>("genealogy"), Qt::LeftButton);
        closeNext();
        QTest::mouseClick(lots.findChild<QPushButton*>("spawnings"), Qt::LeftButton);
        closeNext([](QDialog* dlg) {
            auto* card = qobject_cast<Pricedlg*>(dlg);
            QVERIFY(card);
            card->field(0)->setText("5-10");
            card->accept();
        });
        QTest::mouseClick(lots.findChild<QPushButton*>("priceCard"), Qt::LeftButton);
        QCOMPARE(titles, (QStringList{"Genealogy", "Spawnings with", "Price for"}));
        QCOMPARE(lots.findChild<QComboBox*>("size")->itemText(0), QString("F = 5-10 mm"));
    }
};

QTEST_MAIN(TestGenealdial)
#include "window_Genealdial.moc"
