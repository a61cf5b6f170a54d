// The main window's farm commands: "My fishes", "My Tanks" and "Clear
// database" open their dialogs and act on the database.
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include "ui/app/CFishesView.h"
#include "ui/app/Commands.h"
#include "ui/app/MainCommands.h"
#include "ui/farm/Aquadialog.h"
#include "farm/ClearDatabase.h"
#include "ui/farm/Myfish.h"
#include "FarmWorld.h"
#include "WindowHelpers.h"

using namespace farmtest;

class FarmCommands : public QObject {
    Q_OBJECT
private slots:
    void myTanksAddsATankAndRemembersIt() {
        FarmWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        app::ShellContext shell{settings, w.doc, prompter, nullptr, nullptr};
        CFishesView view(shell, nullptr);
        app::MainCommands commands(shell, view);
        QString title;
        onNextDialog([&](QDialog* d) {
            title = d->windowTitle();
            QVERIFY(qobject_cast<Aquadialog*>(d));
            click(d, "newTank");
            type(child<QLineEdit>(d, "name"), "nursery");
            click(d, "ok");
        });
        commands.run(app::ID_TANKS);
        QCOMPARE(title, QString("My tanks"));
        std::string cod = w.scalar("SELECT \"Cod\" FROM \"Aquariums\" WHERE \"Other\"='nursery'");
        QVERIFY(!cod.empty());
        QCOMPARE(settings.Default_aquarium, std::stoi(cod));
    }

    void myFishesOpensOnTheLastUsedTank() {
        FarmWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        int tank = w.tank(600, 300, 350, "show");
        w.lot({w.species, tank, 3});
        settings.Default_aquarium = tank;
        app::ShellContext shell{settings, w.doc, prompter, nullptr, nullptr};
        CFishesView view(shell, nullptr);
        app::MainCommands commands(shell, view);
        QStringList lines;
        onNextDialog([&](QDialog* d) {
            QVERIFY(qobject_cast<Myfish*>(d));
            auto* lots = child<QListWidget>(d, "lots");
            for (int i = 0; i < lots->count(); ++i) lines << lots->item(i)->text();
            click(d, "cancel");
        });
        commands.run(app::ID_MY_FISHES);
        QCOMPARE(lines, QStringList{"Apistogramma agassizii"});
    }

    void clearDatabaseLeavesTheCopysPlaceInTheLog() {
        FarmWorld w;
        core::Settings settings;
        platform::ScriptedPrompter prompter;
        int tank = w.tank(600, 300, 350, "show");
        w.lot({w.species, tank, 3});
        app::ShellContext shell{settings, w.doc, prompter, nullptr, nullptr};
        CFishesView view(shell, nullptr);
        app::MainCommands commands(shell, view);
        prompter.answerNext(platform::Answer::Yes);
        commands.run(app::ID_CLEAR_DATABASE);
        QCOMPARE(w.count("My fishes"), 1);
        QCOMPARE(w.count("Aquariums"), 1);
        QString top;
        for (int c = 0; c < view.table()->columnCount(); ++c)
            if (auto* item = view.table()->item(0, c)) top += item->text() + "|";
        QVERIFY2(top.contains("A copy of the database before clearing: "), qPrintable(top));
        QVERIFY(top.contains(QString::fromStdString(w.databaseFile().parent_path().string())));
    }
};

QTEST_MAIN(FarmCommands)
#include "window_farm_commands.moc"
