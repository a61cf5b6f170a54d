// The one-line prompt as the program shows it: label, field, OK and Cancel.
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "ui/app/Fishbreeder.h"
#include "ui/app/MessageBoxPrompter.h"

class FishbreederTest : public QObject {
    Q_OBJECT

    static Fishbreeder* shown() { return qobject_cast<Fishbreeder*>(QApplication::activeModalWidget()); }

private slots:
    void okStoresWhatIsTyped() {
        std::string value = "Ассоциация ZVK";
        QString label, before;
        QTimer::singleShot(0, [&] {
            Fishbreeder* d = shown();
            QVERIFY(d);
            label = d->findChild<QLabel*>()->text();
            auto* field = d->findChild<QLineEdit*>("field");
            before = field->text();
            field->clear();
            QTest::keyClicks(field, "Reed farm");
            QTest::keyClick(field, Qt::Key_Return);
        });
        QVERIFY(Fishbreeder::ask(nullptr, "Edit your name", value));
        QCOMPARE(label, QStringLiteral("Edit your name"));
        QCOMPARE(before, QStringLiteral("Ассоциация ZVK"));
        QCOMPARE(value, std::string("Reed farm"));
    }

    void cancelLeavesTheValue() {
        std::string value = "Temporary";
        QTimer::singleShot(0, [] {
            Fishbreeder* d = shown();
            QVERIFY(d);
            d->findChild<QLineEdit*>("field")->setText("Other");
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QVERIFY(!Fishbreeder::ask(nullptr, "Name for tank with null-volume", value));
        QCOMPARE(value, std::string("Temporary"));
    }

    void farmDialogTakesTheBreedersNumberBesideTheName() {
        std::string name = "Reed";
        int number = 4;
        QTimer::singleShot(0, [] {
            Fishbreeder* d = shown();
            QVERIFY(d);
            auto* field = d->findChild<QLineEdit*>("field");
            auto* spin = d->findChild<QSpinBox*>("breederNumber");
            QVERIFY(spin);
            QCOMPARE(spin->value(), 4);
            // Side by side: the number stands to the right of the name.
            QVERIFY(spin->mapTo(d, QPoint(0, 0)).x() > field->mapTo(d, QPoint(0, 0)).x());
            field->setCursorPosition(2);
            QTest::keyClicks(field, "-");
            spin->selectAll();
            QTest::keyClicks(spin, "12");
            QTest::keyClick(field, Qt::Key_Return);
        });
        QVERIFY(Fishbreeder::askFarm(nullptr, name, number));
        QCOMPARE(name, std::string("Re-ed"));
        QCOMPARE(number, 12);
    }

    void theProgramsPrompterAsksThroughIt() {
        MessageBoxPrompter prompter;
        std::string value = "3000";
        QTimer::singleShot(0, [] {
            Fishbreeder* d = shown();
            QVERIFY(d);
            d->findChild<QLineEdit*>("field")->setText("3100");
            d->accept();
        });
        QVERIFY(prompter.askText("Enter rate of USD", value));
        QCOMPARE(value, std::string("3100"));
    }
};

QTEST_MAIN(FishbreederTest)
#include "window_fishbreeder.moc"
