// The expense dialog on a real database, offscreen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "ui/farm/CSentdial.h"
#include "farm/FieldText.h"

class TestCSentdial : public QObject {
    Q_OBJECT

    template <class W> static W* child(QWidget& dlg, const char* name) {
        W* w = dlg.findChild<W*>(name);
        if (!w) qFatal("no child %s", name);
        return w;
    }

    static farm::ExpenseInput input(int type) {
        farm::ExpenseInput in;
        in.type = type;
        in.count = "3";
        in.date = core::localDate(10, 3, 2007);
        in.comment = "flakes";
        in.price = "250";
        return in;
    }

private slots:
    void showsTheGivenCategoryAndValues() {
        testenv::DocWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        CSentdial dlg(nullptr, w.doc, settings, prompter, "Edit", input(4));
        QCOMPARE(dlg.windowTitle(), QString("Edit"));
        QCOMPARE(child<QListWidget>(dlg, "categories")->count(), 5);
        QCOMPARE(child<QListWidget>(dlg, "categories")->currentRow(), 3);
        QCOMPARE(child<QLineEdit>(dlg, "name")->text(), QString("Foodsell"));
        QCOMPARE(child<QComboBox>(dlg, "kind")->currentText(), QString("incomes"));
        QCOMPARE(child<QLineEdit>(dlg, "date")->text(), QString("10.03.2007"));
        QCOMPARE(child<QLineEdit>(dlg, "count")->text(), QString("3"));

        child<QListWidget>(dlg, "categories")->setCurrentRow(1);
        QCOMPARE(child<QLineEdit>(dlg, "name")->text(), QString("Equipment"));
        QCOMPARE(child<QComboBox>(dlg, "kind")->currentText(), QString("expenses"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.values().type, 2);
        QCOMPARE(dlg.values().comment, std::string("flakes"));
    }

    void categoryChangesAreWrittenAtOnce() {
        testenv::DocWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        CSentdial dlg(nullptr, w.doc, settings, prompter, "New", input(1));
        auto* list = child<QListWidget>(dlg, "categories");
        auto* name = child<QLineEdit>(dlg, "name");
        auto* kind = child<QComboBox>(dlg, "kind");

        name->selectAll();
        QTest::keyClicks(name, "Live food");
        QCOMPARE(list->item(0)->text(), QString("Live food"));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Name FROM Senttype WHERE Cod=1")), QString("Live food"));

        kind->setCurrentIndex(1);
        emit kind->activated(1);
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Type FROM Senttype WHERE Cod=1")), QString("1"));

        QTest::mouseClick(child<QPushButton>(dlg, "addNew"), Qt::LeftButton);
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->currentRow(), 5);
        QCOMPARE(list->item(5)->text(), QString("***"));
        QCOMPARE(kind->currentText(), QString("expenses"));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT COUNT(*) FROM Senttype WHERE Name='***' AND Type=0")),
                 QString("1"));
        // Showing another category renames nothing.
        list->setCurrentRow(2);
        QCOMPARE(QString::fromStdString(w.scalar("SELECT COUNT(*) FROM Senttype WHERE Name='***'")), QString("1"));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Name FROM Senttype WHERE Cod=3")), QString("Transport"));
    }

    void wrongDateOrCountKeepsTheDialogOpen() {
        testenv::DocWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        CSentdial dlg(nullptr, w.doc, settings, prompter, "New", input(1));
        child<QLineEdit>(dlg, "date")->setText("31.13.2007");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(prompter.lastText()), QString(farm::kDateMessage));

        child<QLineEdit>(dlg, "date")->setText("5.4.2007");
        child<QLineEdit>(dlg, "count")->setText("many");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(prompter.shown().size(), std::size_t(2));

        child<QLineEdit>(dlg, "count")->setText("0");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.values().date, core::localDate(5, 4, 2007));
    }

    void dollarButtonConvertsTheTypedAmount() {
        testenv::DocWorld w;
        core::Settings settings;
        settings.Default_currency = core::RUR;
        settings.RUR_rate = 3000;
        platform::ScriptedPrompter prompter;
        CSentdial dlg(nullptr, w.doc, settings, prompter, "New", input(1));
        child<QLineEdit>(dlg, "price")->setText("4500");
        QTest::mouseClick(child<QPushButton>(dlg, "dollar"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(dlg, "price")->text(),
                 QString::number(core::convertToUsdCents(4500, core::RUR, 3000, settings.UAH_rate)));
        QCOMPARE(child<QLineEdit>(dlg, "price")->text(), QString("150"));
    }

    void newExpenseStoresCountZeroAsOne() {
        testenv::DocWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        farm::Balance balance(w.doc, settings);
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CSentdial*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QString("New"));
            QCOMPARE(child<QLineEdit>(*dlg, "date")->text(),
                     QString::fromStdString(core::formatDate(std::time(nullptr))));
            child<QLineEdit>(*dlg, "count")->setText("0");
            child<QLineEdit>(*dlg, "price")->setText("250");
            dlg->accept();
        });
        QVERIFY(CSentdial::newExpense(nullptr, w.doc, settings, prompter, balance));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Type || '/' || Count || '/' || Price FROM Sent")),
                 QString("1/1/250"));

        // Editing the first expense row of today's balance.
        std::string today = core::formatDate(std::time(nullptr));
        balance.refresh(farm::RefreshMode::ListsAndTotals, today, today, {});
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CSentdial*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QString("Edit"));
            QCOMPARE(child<QLineEdit>(*dlg, "price")->text(), QString("250"));
            child<QLineEdit>(*dlg, "count")->setText("");
            child<QLineEdit>(*dlg, "comment")->setText("pump");
            child<QListWidget>(*dlg, "categories")->setCurrentRow(4);
            dlg->accept();
        });
        QVERIFY(CSentdial::editExpense(nullptr, w.doc, settings, prompter, balance, 0));
        QCOMPARE(QString::fromStdString(w.scalar("SELECT Type || '/' || Count || '/' || Comment FROM Sent")),
                 QString("5/1/pump"));
    }
};

QTEST_MAIN(TestCSentdial)
#include "window_CSentdial.moc"
