// Every dialog of the program opened with the Russian interface: no text it
// shows may still be English (Latin names of the data, units and
// abbreviations aside), and switching back to English brings English back.
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QtTest>

#include "catalogue/EditingWorld.h"
#include "catalogue/SynonymList.h"
#include "catalogue/TaxonMove.h"
#include "catalogue/Taxonomy.h"
#include "core/AppText.h"
#include "core/InterfaceText.h"
#include "farm/FarmWorld.h"
#include "farm/Incubator.h"
#include "farm/LotBook.h"
#include "farm/WindowHelpers.h"
#include "language/ShownTexts.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Fishbreeder.h"
#include "ui/app/Workdir.h"
#include "ui/catalogue/CPropPlant.h"
#include "ui/catalogue/CProperties.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/catalogue/Fishcatalconfig.h"
#include "ui/catalogue/New_fish.h"
#include "ui/catalogue/References.h"
#include "ui/catalogue/Synlist.h"
#include "ui/catalogue/TOdial.h"
#include "ui/common/Translation.h"
#include "ui/farm/Archivedial.h"
#include "ui/farm/CSentdial.h"
#include "ui/farm/Fishins.h"
#include "ui/farm/Genealdial.h"
#include "ui/farm/Aquadialog.h"
#include "ui/farm/Incubdial.h"
#include "ui/farm/Myfish.h"
#include "ui/farm/Plandial.h"
#include "ui/farm/Pricedlg.h"
#include "ui/farm/Whatdial.h"

using namespace languagetest;

namespace {

// The Latin names of the database: data, shown as they are in any language.
QSet<QString> latinNames(testenv::DocWorld& world) {
    QSet<QString> names;
    const QString all = QString::fromStdString(world.scalar("SELECT group_concat(\"Lat_name\", ' ') FROM \"Reedmere\""));
    for (const QString& w : all.split(u' ', Qt::SkipEmptyParts)) names.insert(w);
    return names;
}

QString failures(QWidget* window, const QSet<QString>& allowed) {
    window->show();
    QStringList texts = shownTexts(window);
    // The program's caption names it in both languages.
    texts.removeAll(QString::fromStdString(core::kCaption));
    const QStringList words = englishWords(texts, allowed);
    return words.isEmpty() ? QString()
                           : QString::fromLatin1(window->metaObject()->className()) + ": " + words.join(u", ");
}

}  // namespace

class RussianWindows : public QObject {
    Q_OBJECT

    QStringList found_;

    void expectRussian(QWidget* window, const QSet<QString>& allowed = {}) {
        const QString f = failures(window, allowed);
        if (!f.isEmpty()) found_ << f;
    }

private slots:
    void initTestCase() { QVERIFY(ui::followInterfaceLanguage(core::Russian)); }
    void cleanupTestCase() { ui::followInterfaceLanguage(core::English); }
    void init() { found_.clear(); }

    void farmDialogs() {
        farmtest::FarmWorld w;
        core::Settings settings;
        settings.Default_language = core::Russian;
        platform::ScriptedPrompter prompter;
        farmtest::ScriptedChooser chooser;
        const int tank = w.tank(600, 300, 350, "show");
        const int father = w.lot({w.species, tank, 0, 2, 0, "red"});
        const int mother = w.lot({w.species, tank, 0, 0, 3, "red"});
        w.spawning(father, mother);
        const QSet<QString> allowed = latinNames(w) + QSet<QString>{"red", "show", "CSV", "Redox"};  // Redox: the term as the Russian string table has it

        Myfish lots(nullptr, w.doc, settings, prompter, chooser);
        expectRussian(&lots, allowed);
        QVERIFY(comboTexts(farmtest::child<QComboBox>(&lots, "fishesIn")).contains(QStringLiteral("Все с архивом")));
        Aquadialog tanks(nullptr, w.doc, settings, prompter);
        expectRussian(&tanks, allowed);
        QCOMPARE(tanks.windowTitle(), QStringLiteral("Мои аквариумы"));
        Incubdial::DialogChoosers choosers(w.doc, settings, prompter, chooser);
        Incubdial incubator(nullptr, w.doc, settings, prompter, choosers);
        expectRussian(&incubator, allowed);
        Plandial plan(nullptr, w.doc, Plandial::Plan);
        expectRussian(&plan, allowed);
        Plandial species(nullptr, w.doc, Plandial::LivingSpecies);
        expectRussian(&species, allowed);
        Pricedlg price(nullptr, w.doc, prompter, w.species);
        expectRussian(&price, allowed);
        Genealdial tree(nullptr, w.doc, father, Genealdial::Mode::Tree);
        expectRussian(&tree, allowed);
        Genealdial spawnings(nullptr, w.doc, father, Genealdial::Mode::Spawnings);
        expectRussian(&spawnings, allowed);
        Archivedial archive(nullptr, "quarter");
        expectRussian(&archive, allowed);
        QCOMPARE(archive.findChild<QListWidget*>("periods")->item(3)->text(), QStringLiteral("Весь период"));
        Whatdial money(nullptr, "Цена рыбы (центы)", 10, 1000, settings, prompter);
        expectRussian(&money, allowed);
        Fishins moving(nullptr, farm::moveTitle(farm::MoveKind::Transferred), farm::Counts{1, 2, 3}, prompter);
        expectRussian(&moving, allowed);
        Whatdial survived(nullptr, farm::kSurvivedCaption, 10, 1000, settings, prompter, Whatdial::Kind::Count);
        expectRussian(&survived, allowed);
        farm::ExpenseInput expense;
        CSentdial sent(nullptr, w.doc, settings, prompter, "Новая запись", expense);
        expectRussian(&sent, allowed);
        QCOMPARE(comboTexts(sent.findChild<QComboBox*>("kind")), (QStringList{"расходы", "доходы"}));
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(u'\n')));
    }

    void catalogueDialogs() {
        editingtest::EditingWorld w;
        core::Settings settings;
        settings.Default_language = core::Russian;
        settings.Application_path = w.workDir().string();
        const QSet<QString> allowed = latinNames(w);
        const std::int32_t species = w.tetras.innesi;

        Fishcatalconfig high(w.doc, core::Russian, w.prompter);
        expectRussian(&high, allowed);
        CProperties animal(w.doc, settings, w.prompter, species, "Вид", nullptr);
        expectRussian(&animal, allowed);
        CPropPlant plant(w.doc, settings, w.prompter, species, "Вид", nullptr);
        expectRussian(&plant, allowed);
        catalogue::CatalogueModel model(w.doc, 14, core::Russian);
        model.show(species);
        catalogue::TaxonMove move(w.ctx, model, *catalogue::findTaxon(w.doc, species));
        TOdial changing(move, w.prompter);
        expectRussian(&changing, allowed);
        catalogue::SynonymList synonyms(w.doc, core::Russian, *catalogue::findTaxon(w.doc, w.tetras.paracheirodon), "Род");
        Synlist synonymList(synonyms, w.prompter);
        expectRussian(&synonymList, allowed);
        New_fish name("Новый вид", catalogue::NameFields{}, nullptr);
        expectRussian(&name, allowed);
        References links(std::vector<catalogue::Link>{}, nullptr);
        expectRussian(&links, allowed);
        // The titles and the heading as the menu and the farm dialogs hand them over.
        Fishcatal catalogue(w.doc, settings, w.prompter, {"Fishes catalog", "Class Pisces", 14, species});
        expectRussian(&catalogue, allowed);
        QVERIFY(catalogue.windowTitle().startsWith(QStringLiteral("Каталог рыб (по умолчанию ")));
        Fishcatal classCatalogue(w.doc, settings, w.prompter, {"Characidae catalog", "Class Pisces", 14, species});
        expectRussian(&classCatalogue, allowed);
        QVERIFY(classCatalogue.windowTitle().startsWith(QStringLiteral("Каталог: Characidae")));
        Fishcatal chooser(w.doc, settings, w.prompter, {"Select a name for your fish", "Class Pisces", 14, species});
        expectRussian(&chooser, allowed);
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(u'\n')));
    }

    void settingsDialogs() {
        core::Settings settings;
        settings.Application_path = "/tmp/Fishes";
        Workdir directories(settings);
        expectRussian(&directories);
        Fishbreeder farm("Рыбоферма", 7);
        expectRussian(&farm);
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(u'\n')));
    }

    // Qt's own buttons in message boxes and button boxes.
    void standardButtons() {
        QMessageBox question(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Да"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("&Нет"));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("ОК"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    }

    // The language command of the main window switches the dialogs' language at once.
    void theLanguageMenuSwitchesTheDialogs() {
        testenv::DocWorld world;
        core::Settings settings;
        settings.Application_path = world.workDir().string();
        platform::ScriptedPrompter prompter;
        CMainFrame frame(app::ShellContext{settings, world.doc, prompter, [](const std::string&) {}, [] {}});
        auto fries = [&] {
            Fishins moving(nullptr, "", farm::Counts{1, 2, 3}, prompter);
            return shownTexts(&moving);
        };
        QVERIFY(fries().contains(QStringLiteral("Fries")));
        frame.command(app::ID_RUSSIAN)->trigger();
        QVERIFY(fries().contains(QStringLiteral("Мальки")));
        frame.command(app::ID_ENGLISH)->trigger();
        QVERIFY(fries().contains(QStringLiteral("Fries")));
        frame.command(app::ID_RUSSIAN)->trigger();
    }

    // The check itself finds English, and English comes back with the language.
    void englishComesBackWithTheLanguage() {
        platform::ScriptedPrompter prompter;
        QVERIFY(ui::followInterfaceLanguage(core::English));
        Fishins english(nullptr, "Move", farm::Counts{1, 2, 3}, prompter);
        const QStringList words = englishWords(shownTexts(&english), {});
        QVERIFY(words.join(u' ').contains(QStringLiteral("Fries")));
        QVERIFY(words.join(u' ').contains(QStringLiteral("Cancel")));
        QVERIFY(ui::followInterfaceLanguage(core::Russian));
        QVERIFY(ui::followInterfaceLanguage(core::Russian));  // a second call changes nothing
        Fishins russian(nullptr, "Пересадить", farm::Counts{1, 2, 3}, prompter);
        QVERIFY(shownTexts(&russian).contains(QStringLiteral("Мальки")));
        QVERIFY(englishWords(shownTexts(&russian), {}).isEmpty());
    }
};

QTEST_MAIN(RussianWindows)
#include "window_russian.moc"
