// The main view's balance panel offscreen: filled at start-up, after the
// view switches and the period fields, and by the expense commands; the
// incubator totals after the incubator closes.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "FarmWorld.h"
#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"
#include "ui/app/PanelLayout.h"
#include "ui/farm/CSentdial.h"
#include "ui/farm/Incubdial.h"

using namespace app;
using namespace core;

class TestBalancePanel : public QObject {
    Q_OBJECT

    std::unique_ptr<farmtest::FarmWorld> world_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<platform::ScriptedPrompter> prompter_;
    std::unique_ptr<CMainFrame> frame_;

    CFishesView* view() { return frame_->view(); }
    QString total(int n) { return qobject_cast<QLineEdit*>(view()->control(n))->text(); }
    QTableWidget* table() { return view()->table(); }
    QString cell(int row, int column) { return table()->item(row, column)->text(); }
    // Presses a panel button as the user does.
    void press(int control) { QTest::mouseClick(view()->control(control), Qt::LeftButton); }
    void open() { frame_ = std::make_unique<CMainFrame>(ShellContext{*settings_, world_->doc, *prompter_, {}, {}}); }
    // Runs act on the next modal dialog once it is shown.
    static void onNextDialog(std::function<void(QDialog*)> act) {
        QTimer::singleShot(0, [act] {
            if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(dlg);
        });
    }

private slots:
    void init() {
        world_ = std::make_unique<farmtest::FarmWorld>();
        settings_ = std::make_unique<core::Settings>();
        settings_->Balance_from = "01.03.2026";
        prompter_ = std::make_unique<platform::ScriptedPrompter>();
        auto& w = *world_;
        w.exec("INSERT INTO Sent (Type,Count,Date,Comment,Price) VALUES (1,3," + farmtest::stamp("2026-03-10") +
               ",'flakes',250)");
        farmtest::FarmWorld::Lot bought{w.species, 2, 4};
        bought.income = 100;
        w.lot(bought);
        w.exec("INSERT INTO Aquariums (In_liters,Other,Size_height,Size_length,Size_width,Date,Date_out,Price,"
               "Price_out) VALUES (63,'',300,600,350," + farmtest::stamp("2026-03-02") + "," + farmtest::kNotSet +
               ",5000,0)");
    }
    void cleanup() { frame_.reset(); }

    void startUpFillsTheListAndTotals() {
        open();
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(cell(0, 1), QString("Food (flakes)"));
        QCOMPARE(cell(0, 2), QString("3"));
        QCOMPARE(cell(0, 3), QString("$2.50"));
        QCOMPARE(cell(1, 1), QString("Apistogramma agassizii"));
        QCOMPARE(cell(1, 2), QString("4"));
        QCOMPARE(cell(2, 1), QString("63 liters"));
        QCOMPARE(view()->rows().partOf(0), RowPart::Expense);
        QCOMPARE(view()->rows().partOf(1), RowPart::Fish);
        QCOMPARE(view()->rows().partOf(2), RowPart::Tank);
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$61.50"));
        QCOMPARE(total(IDC_BALANCE_VALUE), QString("$-61.50"));
        QCOMPARE(total(IDC_FISHES_COUNT), QString("4"));
        QCOMPARE(total(IDC_SOLD_COUNT), QString("0($0.00)"));
        QCOMPARE(total(IDC_EGGS_COUNT), QString(""));
        QCOMPARE(total(IDC_LARVAS_COUNT), QString(""));
    }

    void aLargeNegativeBalanceShowsWhole() {
        world_->exec("INSERT INTO Sent (Type,Count,Date,Comment,Price) VALUES (1,1," + farmtest::stamp("2026-03-11") +
                     ",'pond',14818504)");
        open();
        auto* field = qobject_cast<QLineEdit*>(view()->control(IDC_BALANCE_VALUE));
        QCOMPARE(field->text(), QString("$-148246.54"));
        QVERIFY(field->width() >= field->fontMetrics().horizontalAdvance(field->text()) + 8);
        frame_->resize(frame_->width() + 10, frame_->height());  // a new layout keeps it whole
        QVERIFY(field->width() >= field->fontMetrics().horizontalAdvance(field->text()) + 8);
    }

    void viewSwitchesAndPeriodRefill() {
        open();
        frame_->command(ID_VIEW_OTHER)->trigger();
        frame_->command(ID_VIEW_FISHES)->trigger();
        frame_->command(ID_VIEW_TANKS)->trigger();
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$61.50"));
        frame_->command(ID_VIEW_TANKS)->trigger();
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(view()->rows().partOf(0), RowPart::Tank);

        auto* from = qobject_cast<QLineEdit*>(view()->control(IDC_FROM_DATE));
        from->setText("05.03.2026");  // after the tank's purchase
        QCOMPARE(settings_->Balance_from, std::string("05.03.2026"));
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$7.50"));
    }

    void expenseRowsAreNewEditedAndDeleted() {
        open();
        onNextDialog([](QDialog* dlg) {
            QCOMPARE(dlg->windowTitle(), QString("New"));
            dlg->findChild<QLineEdit*>("date")->setText("11.03.2026");
            dlg->findChild<QLineEdit*>("count")->setText("0");
            dlg->findChild<QLineEdit*>("price")->setText("1000");
            dlg->accept();
        });
        press(IDC_NEW);
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(cell(1, 0), QString("11.03.2026"));
        QCOMPARE(cell(1, 2), QString(""));
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$71.50"));

        onNextDialog([](QDialog* dlg) {
            QCOMPARE(dlg->windowTitle(), QString("Edit"));
            QCOMPARE(dlg->findChild<QLineEdit*>("price")->text(), QString("1000"));
            dlg->findChild<QListWidget*>("categories")->setCurrentRow(3);  // Foodsell: an income
            dlg->accept();
        });
        emit view()->rowActivated(1);
        QCOMPARE(cell(1, 1), QString("Foodsell"));
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$51.50"));

        table()->selectRow(0);
        prompter_->answerNext(platform::Answer::No);
        press(IDC_DELETE);
        QCOMPARE(table()->rowCount(), 4);
        prompter_->answerNext(platform::Answer::Yes);
        press(IDC_DELETE);
        QCOMPARE(QString::fromStdString(prompter_->lastText()), QString("      Are you sure?"));
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(cell(0, 1), QString("Foodsell"));
        QCOMPARE(total(IDC_SUMMARY_VALUE), QString("$44.00"));
    }

    void incubatorOkRefreshesItsTotalsOnly() {
        open();
        world_->exec("INSERT INTO Incubator (Number_eggs,Number_fries,Of_father,Of_mother,Fries_out,Date_eggs,"
                     "Date_fries,Of_incubator) VALUES (120,0,0,0,0," + farmtest::stamp("2026-03-01") + "," +
                     farmtest::stamp("2026-03-01") + ",0)");
        world_->exec("DELETE FROM Sent");
        onNextDialog([](QDialog* dlg) {
            QCOMPARE(dlg->windowTitle(), QString("Incubator"));
            dlg->accept();
        });
        press(IDC_INCUBATOR);
        QCOMPARE(total(IDC_EGGS_COUNT), QString("120"));
        QCOMPARE(total(IDC_LARVAS_COUNT), QString("0"));
        QCOMPARE(table()->rowCount(), 3);  // the list waits for its own refresh
    }
};

QTEST_MAIN(TestBalancePanel)
#include "window_CFishesView.moc"
