// The name dialog: its heading, its fields and the year's digits.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "catalogue/ModalDriver.h"
#include "ui/catalogue/New_fish.h"

using catalogue::NameFields;

class NewFishWindow : public QObject {
    Q_OBJECT
private slots:
    void headingIsBoldAndTheFocusStartsInTheLatinName();
    void yearTakesAtMostFourDigits();
    void askerReturnsTheTypedFieldsOnOkOnly();
};

void NewFishWindow::headingIsBoldAndTheFocusStartsInTheLatinName() {
    New_fish d("Edit Species innesi", NameFields{"innesi", "Neon tetra", "Myers", "1936"});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.heading()->text(), QStringLiteral("Edit Species innesi"));
    QVERIFY(d.heading()->font().bold());
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit Species innesi"));
    QCOMPARE(QApplication::focusWidget(), d.latinName());
    QCOMPARE(d.commonName()->text(), QStringLiteral("Neon tetra"));
    QCOMPARE(d.describer()->text(), QStringLiteral("Myers"));
    QCOMPARE(d.year()->text(), QStringLiteral("1936"));
    for (const char* label : {"Latin name", "Common name", "Descripted by", "at (year)"}) {
        bool found = false;
        for (QLabel* l : d.findChildren<QLabel*>()) found = found || l->text() == QString::fromUtf8(label);
        QVERIFY2(found, label);
    }
}

void NewFishWindow::yearTakesAtMostFourDigits() {
    New_fish d("New Species", NameFields{});
    d.show();
    QTest::keyClicks(d.year(), "19a8x7-65");
    QCOMPARE(d.year()->text(), QStringLiteral("1987"));
    QCOMPARE(d.fields().year, std::string("1987"));
}

void NewFishWindow::askerReturnsTheTypedFieldsOnOkOnly() {
    catalogue::NameDialog ask = New_fish::asker(nullptr);
    modaltest::whenShown<New_fish>([](New_fish* d) {
        QTest::keyClicks(d->latinName(), "gracilis");
        QTest::keyClicks(d->commonName(), "Glowlight");
        QTest::keyClicks(d->describer(), "Eigenmann");
        QTest::keyClicks(d->year(), "1915");
        modaltest::clickButton(d, QDialogButtonBox::Ok);
    });
    NameFields f;
    QVERIFY(ask("New Species", f));
    QCOMPARE(f.latin, std::string("gracilis"));
    QCOMPARE(f.common, std::string("Glowlight"));
    QCOMPARE(f.describer, std::string("Eigenmann"));
    QCOMPARE(f.year, std::string("1915"));

    modaltest::whenShown<New_fish>([](New_fish* d) {
        QTest::keyClicks(d->latinName(), "x");
        modaltest::clickButton(d, QDialogButtonBox::Cancel);
    });
    NameFields kept{"innesi", "", "", ""};
    QVERIFY(!ask("Edit Species innesi", kept));
    QCOMPARE(kept.latin, std::string("innesi"));
}

QTEST_MAIN(NewFishWindow)
#include "window_new_fish.moc"
