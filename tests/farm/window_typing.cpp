// Typing as a user does into the farm dialogs: into the middle of a field,
// over a selected part, a refused text left with Return or by moving the
// focus; the rows written and the texts shown. The number and count
// dialogs: "$" in each currency, Enter, the title.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/Dates.h"
#include "farm/FieldText.h"
#include "farm/LotBook.h"
#include "ui/farm/Aquadialog.h"
#include "ui/farm/DialogParts.h"
#include "ui/farm/Fishins.h"
#include "ui/farm/Myfish.h"
#include "ui/farm/Whatdial.h"
#include "FarmWorld.h"
#include "WindowHelpers.h"

using namespace farmtest;

namespace {

struct World : FarmWorld {
    core::Settings settings;
    platform::ScriptedPrompter prompter;
    ScriptedChooser chooser;
    int tankA = tank(300, 300, 350, "show");  // 31 liters

    std::unique_ptr<Myfish> lots() {
        settings.Default_aquarium = tankA;
        auto d = std::make_unique<Myfish>(nullptr, doc, settings, prompter, chooser);
        child<QListWidget>(d.get(), "lots")->setCurrentRow(0);
        return d;
    }
    std::string tankColumn(const std::string& column) {
        return scalar("SELECT \"" + column + "\" FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(tankA));
    }
};

QLineEdit* edit(QWidget* d, const char* name) { return child<QLineEdit>(d, name); }

// Puts the cursor at a place (selecting length characters from it) and types there.
void typeAt(QLineEdit* e, int place, int length, const QString& keys) {
    e->setFocus();
    e->setSelection(place, length);
    QTest::keyClicks(e, keys);
}

void showActive(QWidget* d) {
    d->show();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
}

}  // namespace

class TypingWindow : public QObject {
    Q_OBJECT
private slots:
    void aDateTypedOverItsMonthIsStoredAsTyped() {
        World w;
        int cod = w.lot({w.species, w.tankA, 4});
        auto d = w.lots();
        QLineEdit* firstEat = edit(d.get(), "firstEat");
        QCOMPARE(firstEat->text(), QString("01.03.2026"));
        typeAt(firstEat, 3, 2, "12");  // "01.1.2026" on the way is a date too
        QCOMPARE(firstEat->text(), QString("01.12.2026"));
        QCOMPARE(firstEat->cursorPosition(), 5);
        QCOMPARE(w.lotColumn(cod, "Date_first_eat"), std::string("2026-12-01 00:00:00.000"));
        QTest::keyClick(firstEat, Qt::Key_Return);
        QVERIFY(w.prompter.shown().empty());
    }

    void refusedDatesWriteNothingAndShowTheStoredDate() {
        World w;
        int cod = w.lot({w.species, w.tankA, 4});
        auto d = w.lots();
        QLineEdit* arrived = edit(d.get(), "arrived");
        type(arrived, "31.02.2020");
        QCOMPARE(w.lotColumn(cod, "Date_mf"), std::string("2026-03-01 00:00:00.000"));
        QCOMPARE(w.prompter.lastText(), std::string(core::kDateMessage));
        QCOMPARE(arrived->text(), QString("01.03.2026"));
        type(arrived, "4294967297.03.2020");
        QCOMPARE(w.lotColumn(cod, "Date_mf"), std::string("2026-03-01 00:00:00.000"));
        type(arrived, "29.02.2020");
        QCOMPARE(w.lotColumn(cod, "Date_mf"), std::string("2020-02-29 00:00:00.000"));
    }

    void pricesAndCountsThatDoNotReadLeaveTheRowAsItWas() {
        World w;
        FarmWorld::Lot l{w.species, w.tankA, 0, 0, 6};
        int cod = w.lot(l);
        auto d = w.lots();
        type(edit(d.get(), "price"), "25.50");  // "25" reads on the way
        QCOMPARE(w.lotColumn(cod, "Price"), std::string("0"));
        QCOMPARE(edit(d.get(), "price")->text(), QString("0"));
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kLongMax));
        type(edit(d.get(), "females"), "4x");
        QCOMPARE(w.lotColumn(cod, "Number_female"), std::string("6"));
        QCOMPARE(edit(d.get(), "females")->text(), QString("6"));
        QCOMPARE(edit(d.get(), "total")->text(), QString("6"));
        QCOMPARE(static_cast<int>(w.prompter.shown().size()), 2);
        // A value above the old 16-bit limit is a price like any other.
        type(edit(d.get(), "income"), "125000");
        QCOMPARE(w.lotColumn(cod, "Income"), std::string("125000"));
    }

    void aRefusedTextLeftByFocusIsRestored() {
        World w;
        int cod = w.lot({w.species, w.tankA, 4});
        auto d = w.lots();
        showActive(d.get());
        QLineEdit* price = edit(d.get(), "price");
        typeAt(price, 0, 1, "7");
        QCOMPARE(w.lotColumn(cod, "Price"), std::string("7"));
        typeAt(price, 1, 0, "q");
        edit(d.get(), "other")->setFocus();  // the user clicks elsewhere
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kLongMax));
        QCOMPARE(w.lotColumn(cod, "Price"), std::string("0"));
        QCOMPARE(price->text(), QString("0"));
        QVERIFY(price->hasFocus());
    }

    void tankLengthsTypedIntoTheMiddle() {
        World w;
        w.settings.Default_aquarium = w.tankA;
        Aquadialog d(nullptr, w.doc, w.settings, w.prompter);
        QLineEdit* length = edit(&d, "length");
        QCOMPARE(length->text(), QString("300"));
        typeAt(length, 1, 0, "25");
        QCOMPARE(length->text(), QString("32500"));
        QCOMPARE(length->cursorPosition(), 3);
        QCOMPARE(w.tankColumn("Size_length"), std::string("32500"));
        QTest::keyClick(length, Qt::Key_Return);
        QVERIFY(w.prompter.shown().empty());
        type(length, "300");
        QCOMPARE(w.tankColumn("In_liters"), std::string("31"));
        type(length, "6oo");  // "6" reads on the way and would make it 0 liters
        QCOMPARE(w.tankColumn("Size_length"), std::string("300"));
        QCOMPARE(w.tankColumn("In_liters"), std::string("31"));
        QCOMPARE(length->text(), QString("300"));
        QCOMPARE(w.prompter.lastText(), farm::numberMessage(farm::kSmallMax));
    }

    void dollarConvertsOnlyRoublesAndHryvnias() {
        World w;
        struct Case {
            int currency;
            QString typed, shown;
        };
        w.settings.RUR_rate = 3000;
        w.settings.UAH_rate = 537;
        for (const Case& c : {Case{core::USD, "4000", "4000"}, Case{core::Euro, "4000", "4000"},
                              Case{core::RUR, "3000", "100"}, Case{core::UAH, "1074", "200"}}) {
            w.settings.Default_currency = c.currency;
            Whatdial dlg(nullptr, "Fish price (centes)", 25, farm::kLongMax, w.settings, w.prompter);
            type(edit(&dlg, "number"), c.typed);
            click(&dlg, "dollar");
            QCOMPARE(edit(&dlg, "number")->text(), c.shown);
            if (c.currency == core::USD) {
                click(&dlg, "dollar");  // pressing again changes nothing
                QCOMPARE(edit(&dlg, "number")->text(), c.shown);
            }
        }
        Whatdial fries(nullptr, "How many fries have survived?", 200, farm::kSmallMax, w.settings, w.prompter,
                       Whatdial::Kind::Count);
        QVERIFY(fries.findChild<QPushButton*>("dollar") == nullptr);
    }

    void enterAcceptsTheNumberAndTitlesShowWhole() {
        World w;
        Whatdial dlg(nullptr, "How many fries have survived?", 200, farm::kSmallMax, w.settings, w.prompter,
                     Whatdial::Kind::Count);
        showActive(&dlg);
        QVERIFY(dlg.width() >= farm::parts::titleWidth(&dlg));
        QLineEdit* number = edit(&dlg, "number");
        typeAt(number, 1, 1, "5");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.value(), 250);

        Whatdial russian(nullptr, "Сколько мальков выжило?", 0, farm::kSmallMax, w.settings, w.prompter);
        russian.show();
        QVERIFY(russian.width() >= farm::parts::titleWidth(&russian));
    }

    void theCountDialogIsTitledByItsMovement() {
        World w;
        w.lot({w.species, w.tankA, 4});
        auto d = w.lots();
        const int lots = w.count("My fishes");
        QStringList titles;
        for (const char* button : {"gift", "kill", "separation"}) {
            onNextDialog([&titles](QDialog* counts) {
                titles << counts->windowTitle();
                QVERIFY(counts->width() >= farm::parts::titleWidth(counts));
                click(counts, "cancel");
            });
            click(d.get(), button);
        }
        QCOMPARE(titles, (QStringList{"Gifted", "Lost", "New"}));
        QCOMPARE(w.count("My fishes"), lots);
    }
};

QTEST_MAIN(TypingWindow)
#include "window_typing.moc"
