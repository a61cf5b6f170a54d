// The main window's logic without widgets: the string table and its picker,
// the command table, the panel's geometry and row parts, the class entries
// of the Catalogs menu and the settings commands.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "core/AppText.h"
#include "catalogue/CatalogMenu.h"
#include "ui/app/Commands.h"
#include "core/InterfaceText.h"
#include "ui/app/PanelLayout.h"
#include "ui/app/ShellCommands.h"
#include "common/TestEnv.h"

using namespace app;
using namespace core;
using namespace catalogue;

namespace {

bool hasCyrillic(const std::string& s) {
    for (QChar c : QString::fromStdString(s))
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

int segments(const std::string& entry) { return static_cast<int>(std::count(entry.begin(), entry.end(), '|')); }

}  // namespace

TEST(InterfaceText, PicksTheSegmentOfTheLanguage) {
    EXPECT_EQ(interfaceEntry(160), "Catalogs|Каталоги|");
    EXPECT_EQ(interfaceEntry(174), "Exit|Выход|");
    EXPECT_EQ(interfaceEntry(272), "Fish catalogue|Каталог рыб|");
    EXPECT_EQ(interfaceText(272, English), "Fish catalogue");
    EXPECT_EQ(interfaceText(272, Russian), "Каталог рыб");
    EXPECT_EQ(pick("a|b|", 1), "b");
    // No third segment: "Deutch" would get the English one, never garbage.
    EXPECT_EQ(pick("Catalogs|Каталоги|", 2), "Catalogs");
    EXPECT_EQ(pick("Catalogs|Каталоги|", -1), "Catalogs");
    EXPECT_EQ(pick("Only|", 1), "Only");
    EXPECT_EQ(pick("", 1), "");
}

TEST(InterfaceText, SingleLanguageEntriesAreTheSameInEveryLanguage) {
    EXPECT_EQ(interfaceText(kTextCaption, Russian), kCaption);
    EXPECT_EQ(interfaceEntry(1), "Reed Mere v.3.044 made '2007 Jul 22");
    EXPECT_EQ(interfaceText(129, Russian), "winter");
    EXPECT_EQ(interfaceText(139, English), "all seasons");
    EXPECT_EQ(interfaceText(140, Russian), "no need");
    EXPECT_EQ(interfaceText(150, English), "silt");
    EXPECT_EQ(interfaceText(151, English), "<reserved>");
    EXPECT_EQ(interfaceText(200, Russian), "<reserved>");
    EXPECT_EQ(interfaceEntry(2), "");
}

TEST(InterfaceText, EveryBilingualEntryHasTwoSegmentsAndARussianOne) {
    const std::set<int> sameInBoth = {310, 311, 312, 313};  // dGh, dKh, pH, Redox
    int bilingual = 0;
    for (int n = 160; n <= kTextLast; ++n) {
        const std::string& e = interfaceEntry(n);
        if (e == "<reserved>" || (n >= 161 && n <= 162)) continue;
        ++bilingual;
        ASSERT_EQ(segments(e), 2) << n << " " << e;
        EXPECT_EQ(e.back(), '|') << n;
        EXPECT_FALSE(interfaceText(n, English).empty()) << n;
        EXPECT_FALSE(interfaceText(n, Russian).empty()) << n;
        if (!sameInBoth.count(n)) EXPECT_TRUE(hasCyrillic(interfaceText(n, Russian))) << n << " " << e;
    }
    EXPECT_EQ(bilingual, 22 + 52);  // 160, 163..183 and 267..318
}

TEST(Commands, EveryCommandHasBothTextsAndAPrompt) {
    std::set<int> ids;
    for (const CommandInfo& c : commandTable()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        EXPECT_FALSE(commandText(c.id, English).empty()) << c.id;
        EXPECT_TRUE(hasCyrillic(commandText(c.id, Russian)) || c.id == ID_CD_ROM || c.id == ID_USD) << c.id;
        EXPECT_FALSE(commandPrompt(c.id, English).empty()) << c.id;
        EXPECT_TRUE(hasCyrillic(commandPrompt(c.id, Russian))) << c.id;
    }
    EXPECT_EQ(ids.size(), 49u);
    EXPECT_EQ(commandPrompt(ID_CHECK_FTP_SERVER, English), "Start FTP-uploading on timer");
    EXPECT_EQ(commandPrompt(ID_VIEW_OTHER, English), "View sent on food, equipment, transport");
    EXPECT_EQ(commandText(ID_BUSINESS_REPORT, English), "Commercial report");
    EXPECT_EQ(commandText(ID_APP_EXIT, Russian), "Выход");
    EXPECT_EQ(commandText(12345, English), "");
    for (PopupId p : {POPUP_SETTINGS, POPUP_LANGUAGE, POPUP_CURRENCY, POPUP_DATABASES, POPUP_HELP})
        EXPECT_TRUE(hasCyrillic(popupText(p, Russian))) << p;
}

TEST(Commands, ClassEntriesHaveARangeOfTheirOwnWithoutUpperBound) {
    for (int n = 1; n <= 1000; ++n) EXPECT_EQ(findCommand(classCommand(n)), nullptr) << n;
    EXPECT_NE(classCommand(9), ID_MAKE_UPGRADING_TABLE);
    EXPECT_NE(classCommand(10), ID_CURRENCY_RATE);
    EXPECT_EQ(classCommand(12) - classCommand(11), 1);
}

TEST(PanelLayout, ProjectButtonsShareTheWidth) {
    EXPECT_EQ(panelPlace(IDC_FISH_CATALOGUE, 400, 300), (PanelRect{10, 270, 91, 22}));
    EXPECT_EQ(panelPlace(IDC_MY_FISHES, 400, 300), (PanelRect{106, 270, 91, 22}));
    EXPECT_EQ(panelPlace(IDC_INCUBATOR, 400, 300), (PanelRect{202, 270, 91, 22}));
    EXPECT_EQ(panelPlace(IDC_MY_TANKS, 400, 300), (PanelRect{298, 270, 91, 22}));
    // (638 - 35) / 4 truncates.
    EXPECT_EQ(panelPlace(IDC_MY_TANKS, 638, 300).width, 150);
}

TEST(PanelLayout, FormulasAtOneSize) {
    const int w = 640, h = 356;
    EXPECT_EQ(panelPlace(PANEL_EXPENSES_GROUP, w, h), (PanelRect{5, -2, 630, 356}));
    EXPECT_EQ(panelPlace(IDC_NEW, w, h), (PanelRect{10, 12, 185, 22}));
    EXPECT_EQ(panelPlace(IDC_FROM_DATE, w, h), (PanelRect{205, 12, 80, 22}));
    EXPECT_EQ(panelPlace(PANEL_PERIOD_CAPTION, w, h), (PanelRect{285, 14, 70, 22}));
    EXPECT_EQ(panelPlace(IDC_TO_DATE, w, h), (PanelRect{355, 12, 80, 22}));
    EXPECT_EQ(panelPlace(IDC_DELETE, w, h), (PanelRect{445, 12, 185, 22}));
    EXPECT_EQ(panelPlace(IDC_TEXT_LIST, w, h), (PanelRect{82, 40, 448, 196}));
    EXPECT_EQ(panelPlace(IDC_PRICE_LIST, w, h), (PanelRect{580, 40, 50, 196}));
    EXPECT_EQ(panelPlace(IDC_SUMMARY_VALUE, w, h), (PanelRect{570, 236, 60, 20}));
    EXPECT_EQ(panelPlace(IDC_GIFTED_COUNT, w, h), (PanelRect{190, 286, 90, 20}));
    EXPECT_EQ(panelPlace(IDC_LARVAS, w, h), (PanelRect{570, 264, 60, 22}));
    EXPECT_EQ(panelPlace(PANEL_PROJECT_GROUP, w, h), (PanelRect{5, 306, 630, 48}));
}

TEST(PanelLayout, NoTwoControlsOverlapAtTheFramesFirstSize) {
    // The client area of a 640 by 400 frame, and a larger one.
    for (auto [w, h] : {std::pair{640, 356}, std::pair{900, 600}}) {
        std::vector<int> controls;
        for (int c : panelControls())
            if (c != PANEL_EXPENSES_GROUP && c != PANEL_POTENTIAL_GROUP && c != PANEL_PROJECT_GROUP)
                controls.push_back(c);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            PanelRect a = panelPlace(controls[i], w, h);
            EXPECT_GT(a.width, 0) << controls[i];
            EXPECT_GE(a.left, 0);
            EXPECT_LE(a.left + a.width, w) << controls[i];
            EXPECT_LE(a.top + a.height, h) << controls[i];
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                PanelRect b = panelPlace(controls[j], w, h);
                bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                             a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(apart) << controls[i] << " and " << controls[j] << " at " << w << "x" << h;
            }
        }
    }
}

TEST(PanelRows, ThreePartsInOrder) {
    PanelRows rows;
    rows.add();
    rows.add();
    rows.beginFish();
    rows.add();
    rows.beginTank();
    rows.add();
    rows.add();
    EXPECT_EQ(rows.fishStart, 2);
    EXPECT_EQ(rows.tankStart, 3);
    EXPECT_EQ(rows.partOf(0), RowPart::Expense);
    EXPECT_EQ(rows.partOf(1), RowPart::Expense);
    EXPECT_EQ(rows.partOf(2), RowPart::Fish);
    EXPECT_EQ(rows.partOf(4), RowPart::Tank);
    EXPECT_EQ(rows.indexInPart(4), 1);
    EXPECT_EQ(rows.partOf(5), RowPart::None);
    EXPECT_EQ(rows.partOf(-1), RowPart::None);
    // Once a log replaced the balance, no row is an expense to delete.
    rows.balance = false;
    EXPECT_EQ(rows.partOf(0), RowPart::None);
}

TEST(PanelRows, EmptyPartsKeepTheirStarts) {
    PanelRows rows;
    rows.add();
    rows.beginFish();
    rows.beginTank();
    rows.add();
    EXPECT_EQ(rows.fishStart, 1);
    EXPECT_EQ(rows.tankStart, 1);
    EXPECT_EQ(rows.partOf(1), RowPart::Tank);
    PanelRows onlyExpenses;
    onlyExpenses.add();
    onlyExpenses.add();
    EXPECT_EQ(onlyExpenses.fishStart, 2);
    EXPECT_EQ(onlyExpenses.partOf(1), RowPart::Expense);
}

namespace {

void markForMenu(testenv::DocWorld& w, int cod) {
    w.exec("UPDATE \"Reedmere\" SET \"Author\"=substr(\"Author\",1,length(\"Author\")-1)||'1' WHERE \"Cod\"=" +
           std::to_string(cod));
}

}  // namespace

TEST(CatalogMenu, NoClassMarkedGivesNoEntries) {
    testenv::DocWorld w;
    EXPECT_TRUE(menuClasses(w.doc).empty());
    Settings s;
    EXPECT_FALSE(classCatalogueRequest(w.doc, s, 1));
}

TEST(CatalogMenu, MarkedClassesInLatinOrderWithTheirNames) {
    testenv::DocWorld w;
    markForMenu(w, 14);
    markForMenu(w, 10420);
    markForMenu(w, 12176);
    w.exec("DELETE FROM \"Common\" WHERE \"Of_fish\"=10420 AND \"Language\"=1");
    std::vector<MenuClass> classes = menuClasses(w.doc);
    ASSERT_EQ(classes.size(), 3u);
    EXPECT_EQ(classes[0].latName, "Crustacea");
    EXPECT_EQ(classes[1].latName, "Pisces");
    EXPECT_EQ(classes[2].latName, "Polypodiopsida");
    EXPECT_EQ(classes[0].label(English), "Crustaceans");
    EXPECT_EQ(classes[0].label(Russian), "Crustacea");
    EXPECT_EQ(classes[1].label(Russian), "Рыбы");
    EXPECT_EQ(classes[2].label(English), "Ferns");
}

TEST(CatalogMenu, OnlyTheLastCharacterMarks) {
    EXPECT_TRUE(isMarkedForMenu("01"));
    EXPECT_FALSE(isMarkedForMenu("10"));
    EXPECT_FALSE(isMarkedForMenu(""));
}

TEST(CatalogMenu, ClassEntryOpensTheCatalogueOnTheRightTaxon) {
    testenv::DocWorld w;
    markForMenu(w, 14);
    markForMenu(w, 10420);
    markForMenu(w, 12127);
    Settings s;
    s.Default_fish = 777;
    s.Default_dicot = 888;
    auto crus = classCatalogueRequest(w.doc, s, 1);
    ASSERT_TRUE(crus);
    EXPECT_EQ(crus->classCode, 10420);
    EXPECT_EQ(crus->title, "Crustaceans catalog");
    EXPECT_EQ(crus->heading, "Class Crustacea");
    EXPECT_EQ(crus->startTaxon, 10420);
    EXPECT_EQ(crus->remember, nullptr);
    auto dicots = classCatalogueRequest(w.doc, s, 2);
    ASSERT_TRUE(dicots);
    EXPECT_EQ(dicots->heading, "Class Dicotyledones");
    EXPECT_EQ(dicots->startTaxon, 888);
    EXPECT_EQ(dicots->remember, &Settings::Default_dicot);
    s.Default_language = Russian;
    auto fishes = classCatalogueRequest(w.doc, s, 3);
    ASSERT_TRUE(fishes);
    EXPECT_EQ(fishes->title, "Рыбы catalog");
    EXPECT_EQ(fishes->startTaxon, 777);
    EXPECT_FALSE(classCatalogueRequest(w.doc, s, 4));
    EXPECT_FALSE(classCatalogueRequest(w.doc, s, 0));

    CatalogueRequest button = fishCatalogueRequest(s);
    EXPECT_EQ(button.title, "Fishes catalog");
    EXPECT_EQ(button.heading, "Class Pisces");
    EXPECT_EQ(button.startTaxon, 777);
    EXPECT_EQ(button.remember, &Settings::Default_fish);
}

TEST(ShellCommands, RateIsReadLikeAnUnsignedNumber) {
    EXPECT_EQ(readRate("3550"), 3550);
    EXPECT_EQ(readRate("  42"), 42);
    EXPECT_EQ(readRate("35.50"), 35);
    EXPECT_EQ(readRate("2900 roubles"), 2900);
    EXPECT_FALSE(readRate("abc"));
    EXPECT_FALSE(readRate(""));
    EXPECT_FALSE(readRate("-5"));             // would wrap to a huge rate
    EXPECT_FALSE(readRate("0"));              // would turn every amount into 0
    EXPECT_FALSE(readRate("99999999999"));    // does not fit
    EXPECT_EQ(readRate("2147483647"), 2147483647);
}

TEST(ShellCommands, RateAndHelpPageByTheSettings) {
    EXPECT_EQ(rateOf(RUR), &Settings::RUR_rate);
    EXPECT_EQ(rateOf(UAH), &Settings::UAH_rate);
    EXPECT_EQ(rateOf(USD), nullptr);
    EXPECT_EQ(rateOf(Euro), nullptr);
    Settings s;
    s.Application_path = "/home/u/Fishes";
    EXPECT_EQ(helpPage(s), std::filesystem::path("/home/u/Fishes/Help/program.html"));
    s.Default_language = Russian;
    EXPECT_EQ(helpPage(s), std::filesystem::path("/home/u/Fishes/Help/programr.html"));
}

TEST(HelpPages, ShippedInTheSkeletonAsWindows1251Pages) {
    for (const char* name : {"program.html", "programr.html"}) {
        std::filesystem::path page = db::shippedDataDir() / "site" / "Help" / name;
        ASSERT_TRUE(std::filesystem::exists(page)) << page;
        std::ifstream in(page, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(bytes.find("charset=windows-1251"), std::string::npos) << name;
        EXPECT_NE(bytes.find("\r\n"), std::string::npos) << name;
        std::size_t bareLf = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLf;
        EXPECT_EQ(bareLf, 0u) << name;
        EXPECT_GT(bytes.size(), 3000u) << name;
        std::size_t cyrillic = std::count_if(bytes.begin(), bytes.end(),
                                             [](char c) { return static_cast<unsigned char>(c) >= 0xC0; });
        if (std::string(name) == "programr.html") EXPECT_GT(cyrillic, 1000u);
        else EXPECT_EQ(cyrillic, 0u);
    }
}
