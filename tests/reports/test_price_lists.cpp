// The price list and the review price list: the empty list, the cells of
// fry for sale and adults held, the adult pair and the unsexed, the Russian
// page, the class and group headings with each species linked into its own
// class, the incubator's young, the warning of a species without a card,
// a missing template, and a run on the background worker.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "PriceWorld.h"
#include "reports/PriceList.h"

using namespace reporttest;
using reports::PriceListKind;

namespace {

const std::array<std::string, 5> kSizes = {"10-15", "15-20", "20-25", "25-30", "30-40"};

bool writeList(PriceWorld& w, PriceListKind kind, std::vector<std::string>* items = nullptr) {
    auto report = reports::priceList(w.context, kind);
    return reports::writeAndShow(*report, w.context.env, [&](const std::string& i) {
        if (items) items->push_back(i);
    });
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every class the lists know: fishes in two groups, a shrimp without a price
// card, a dicot, and a moss whose class has no heading of its own.
struct ClassesFarm : PriceWorld {
    int koi, rotala;
    ClassesFarm() {
        int cyprinus = taxon("Cyprinus", 512, family, 14);
        koi = taxon("carpio", 64, cyprinus, 14);
        int rotalaGenus = taxon("Rotala", 512, 12127, 12127);
        rotala = taxon("rotundifolia", 64, rotalaGenus, 12127);
        habitat(species, "17,23");
        habitat(koi, "79");
        habitat(moss, "17");  // a plant's group never heads a row
        commonName(species, "Agassiz dwarf cichlid", 0);
        commonName(koi, "Koi", 0);
        card(species, kSizes, 250);
        card(koi, kSizes, 1000);
        card(rotala, {"5", "", "", "", "10"}, 100);
        card(moss, {"3", "", "", "", ""}, 50);
        offer({.taxon = species, .size = 2, .fries = 8});
        offer({.taxon = koi, .size = 4, .males = 1, .females = 1});
        offer({.taxon = shrimp, .size = 0, .fries = 30});
        offer({.taxon = rotala, .size = 0, .fries = 12});
        offer({.taxon = moss, .size = 0, .fries = 4, .forSale = false, .price = 75});
        codes.push_back({"@carpio@", koi});
        codes.push_back({"@rotundifolia@", rotala});
    }
};

}  // namespace

TEST(PriceList, NoLivingLotsGivesTheHeadAndAnEmptyTotalsRow) {
    PriceWorld w;
    // The reserved lot and an emptied lot are no stock.
    w.offer({.taxon = w.species, .size = 0});
    std::vector<std::string> items;
    ASSERT_TRUE(writeList(w, PriceListKind::Customers, &items));
    EXPECT_TRUE(w.samePriceList(w.report("price.html"), "price_empty.html"));
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(w.launched, (std::vector<std::string>{"xdg-open " + w.report("price.html").string()}));
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(PriceList, FryForSaleShowTheCardAndHeldAdultsTheLotsPrice) {
    PriceWorld w;
    w.card(w.species, kSizes, 250);
    w.commonName(w.species, "Agassiz dwarf cichlid", 0);
    w.commonName(w.species, "Апистограмма Агассиза", 1);
    w.offer({.taxon = w.species, .size = 0, .fries = 10});
    w.offer({.taxon = w.species, .size = 4, .males = 2, .females = 1, .forSale = false, .price = 900});
    std::vector<std::string> items;
    ASSERT_TRUE(writeList(w, PriceListKind::Customers, &items));
    EXPECT_TRUE(w.samePriceList(w.report("price.html"), "price_fry_held.html"));
    EXPECT_EQ(items, (std::vector<std::string>{"       Apistogramma agassizii (Agassiz dwarf cichlid)"}));
}

TEST(PriceList, AdultPairCountsEveryAdultAndHeldUnsexedAreMarked) {
    PriceWorld w;
    w.card(w.species, kSizes, 250);
    w.offer({.taxon = w.species, .size = 4, .males = 2, .females = 3});
    w.offer({.taxon = w.species, .size = 4, .fries = 1});
    // The last held lot of a size gives the price.
    w.offer({.taxon = w.species, .size = 4, .males = 1, .forSale = false, .price = 1400});
    w.offer({.taxon = w.species, .size = 4, .fries = 2, .forSale = false, .price = 1500});
    ASSERT_TRUE(writeList(w, PriceListKind::Customers));
    const std::string page = platform::cp1251ToUtf8(bytesOf(w.report("price.html")));
    EXPECT_TRUE(contains(page, "<td><p align=\"center\"><font size=\"2\">30-40 mm<font color=\"#80FF80\"> (2+3)</font>"
                               "<br>\r\n<font color=\"#00F0F0\">6 on. </font>(6.50-5.25 €)</font></td>"));
    EXPECT_TRUE(contains(page, "<td bgcolor=\"#303030\"><p align=\"center\"><font size=\"2\">30-40 mm\r\n"
                               "<font color=\"#00F0F0\">1+0 on. </font>(15.00 €)<br>+ n/a <font color=\"#00F0F0\">2"
                               "</font></font></td>"));
    // Totals: 6 adults for sale, 3 held.
    EXPECT_TRUE(contains(page, "<p align=\"center\"><font color=\"#00F0F0\">6 on.</td>\r\n<td bgcolor=\"#404040\">\r\n"
                               "<p align=\"center\"><font color=\"#00F0F0\">3 on. </font></td>\r\n</tr>\r\n</table>"));
}

TEST(PriceList, RussianInterfaceWritesPricerWithRussianWords) {
    PriceWorld w;
    w.context.env.language = 1;
    w.context.farmName = "Ферма Рид";
    w.card(w.species, kSizes, 250);
    w.commonName(w.species, "Agassiz dwarf cichlid", 0);
    w.commonName(w.species, "Апистограмма Агассиза", 1);
    w.offer({.taxon = w.species, .size = 0, .fries = 10});
    w.offer({.taxon = w.species, .size = 4, .males = 2, .females = 1, .forSale = false, .price = 900});
    ASSERT_TRUE(writeList(w, PriceListKind::Customers));
    EXPECT_FALSE(fs::exists(w.report("price.html")));
    EXPECT_TRUE(w.samePriceList(w.report("pricer.html"), "pricer.html"));
    ASSERT_TRUE(writeList(w, PriceListKind::Review));
    EXPECT_TRUE(fs::exists(w.report("pricrall.html")));
    EXPECT_FALSE(fs::exists(w.report("priceall.html")));
}

TEST(PriceList, ClassAndGroupHeadingsAndEachSpeciesInItsOwnClass) {
    ClassesFarm w;
    std::vector<std::string> items;
    ASSERT_TRUE(writeList(w, PriceListKind::Customers, &items));
    EXPECT_TRUE(w.samePriceList(w.report("price.html"), "price_classes.html"));
    // Progress in lot order, before the sort.
    EXPECT_EQ(items, (std::vector<std::string>{"       Apistogramma agassizii (Agassiz dwarf cichlid)",
                                               "       Neocaridina davidi ", "       Vesicularia dubyana ",
                                               "       Cyprinus carpio (Koi)", "       Rotala rotundifolia "}));
    // The shrimp has no card: one warning, and its row is still there.
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_EQ(w.prompter.lastText(), "Warning! Species Neocaridina davidi has not price!");
}

TEST(ReviewPriceList, YoungInTheIncubatorFromOpenSpawningsOfTheMaleLots) {
    ClassesFarm w;
    int father = w.offer({.taxon = w.species, .size = 4, .males = 1, .forSale = false, .price = 800});
    int mother = w.offer({.taxon = w.species, .size = 4, .females = 1, .forSale = false, .price = 800});
    w.spawningOf(father, mother, 100, 40, 0, "2026-02-01", "2026-02-05");  // open: 40
    w.spawningOf(father, mother, 100, 25, 0, "2026-02-10", "2026-02-14");  // open: 25
    w.spawningOf(father, mother, 100, 30, 28, "2026-01-01", "2026-01-05");  // fries already out
    w.spawningOf(father, mother, 100, 0, 0, "2026-02-20");                   // no larvae yet
    w.spawningOf(mother, father, 100, 50, 0, "2026-02-01", "2026-02-05");  // a female lot fathers nothing
    ASSERT_TRUE(writeList(w, PriceListKind::Review));
    EXPECT_TRUE(w.samePriceList(w.report("priceall.html"), "priceall.html"));
}

TEST(PriceList, MissingTemplateKeepsTheEarlierList) {
    PriceWorld w;
    sitetest::writeBytes(w.report("price.html"), "earlier");
    fs::remove(w.workDir() / "for_price.html");
    EXPECT_FALSE(writeList(w, PriceListKind::Customers));
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "for_price.html").string() + " is absent!");
    EXPECT_EQ(bytesOf(w.report("price.html")), "earlier");
    EXPECT_TRUE(w.launched.empty());
}

namespace {

// Answers on the interface thread and notes whether the page already
// existed when the warning was shown.
class WatchingPrompter : public platform::ScriptedPrompter {
public:
    fs::path page;
    bool pageExistedAtWarning = true;
    void tell(const std::string& text, platform::MessageKind kind) override {
        pageExistedAtWarning = fs::exists(page);
        ScriptedPrompter::tell(text, kind);
    }
};

}  // namespace

TEST(PriceList, RunsOnTheWorkerAndHoldsItForTheWarning) {
    ClassesFarm w;
    application();
    WatchingPrompter ui;
    ui.page = w.report("price.html");
    platform::RecordingLog log;
    platform::BackgroundWork work(ui, log);
    reports::ReportRunner runner(work, log);
    ASSERT_TRUE(reports::startPriceList(runner, w.context, PriceListKind::Customers));
    QElapsedTimer timer;
    timer.start();
    while (work.busy() && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.lastText(), "Warning! Species Neocaridina davidi has not price!");
    EXPECT_FALSE(ui.pageExistedAtWarning);
    EXPECT_TRUE(w.prompter.shown().empty());  // nothing reached the dialog's prompter
    ASSERT_EQ(log.lines.size(), 7u);
    EXPECT_EQ(log.lines.front(), reports::kCompleteLine);
    EXPECT_EQ(log.lines.back(), "************** Price List *************");
    EXPECT_TRUE(w.samePriceList(w.report("price.html"), "price_classes.html"));
}
