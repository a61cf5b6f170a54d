// The price card dialog offscreen: fields, copy and paste between species, OK.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "FarmWorld.h"
#include "farm/FieldText.h"
#include "ui/farm/Pricedlg.h"

class TestPricedlg : public QObject {
    Q_OBJECT
private slots:
    void pasteBeforeCopyChangesNothing() {
        farmtest::FarmWorld w;
        platform::ScriptedPrompter prompter;
        Pricedlg dlg(nullptr, w.doc, prompter, w.species);
        QCOMPARE(dlg.windowTitle(), QString("Price for"));
        QCOMPARE(dlg.findChild<QLabel*>("species")->text(), QString("Apistogramma agassizii"));
        for (int i = 0; i < 15; ++i) QCOMPARE(dlg.field(i)->text(), QString("0"));
        QTest::mouseClick(dlg.findChild<QPushButton*>("paste"), Qt::LeftButton);
        QCOMPARE(dlg.field(0)->text(), QString("0"));
    }

    void copiedCardGoesToAnotherSpecies() {
        farmtest::FarmWorld w;
        platform::ScriptedPrompter prompter;
        {
            Pricedlg first(nullptr, w.doc, prompter, w.species);
            for (int i = 0; i < 15; ++i) first.field(i)->setText(QString::number(10 + i));
            QTest::mouseClick(first.findChild<QPushButton*>("copy"), Qt::LeftButton);
            first.reject();  // Cancel writes nothing
        }
        QCOMPARE(w.count("Price"), 0);

        Pricedlg second(nullptr, w.doc, prompter, w.shrimp);
        QTest::mouseClick(second.findChild<QPushButton*>("paste"), Qt::LeftButton);
        QCOMPARE(second.field(14)->text(), QString("24"));
        second.accept();
        QCOMPARE(second.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Of_cod || '|' || Size_s || '|' || Price_l_ws FROM Price")),
                 QString("%1|10|24").arg(w.shrimp));
    }

    void wrongPriceKeepsTheDialogOpen() {
        farmtest::FarmWorld w;
        platform::ScriptedPrompter prompter;
        Pricedlg dlg(nullptr, w.doc, prompter, w.species);
        dlg.field(5)->setText("abc");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(prompter.lastText()), QString::fromStdString(farm::numberMessage(farm::kLongMax)));
        QCOMPARE(w.count("Price"), 0);
    }
};

QTEST_MAIN(TestPricedlg)
#include "window_Pricedlg.moc"
