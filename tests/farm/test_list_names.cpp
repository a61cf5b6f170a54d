// Lists that name many lots at once (incubator archive, spawning plan,
// balance, species chooser) read parents, tanks and names in batches: every
// line must read as if each lot were looked up alone, across batch borders
// and with parents that no longer exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FarmWorld.h"
#include "core/Settings.h"
#include "farm/Balance.h"
#include "farm/Incubator.h"
#include "farm/LotBook.h"
#include "farm/SpawningPlan.h"

namespace {

constexpr int kLots = 1200;
constexpr int kMissingLot = 999999;

struct ManyLots : farmtest::FarmWorld {
    core::Settings settings;
    std::vector<int> lots;
    std::vector<std::string> names;  // each lot as a parent is named
    int smallTank = 0, bigTank = 0;

    ManyLots() {
        smallTank = tank(500, 300, 200, "small");   // 30 litres
        bigTank = tank(1000, 500, 400, "big");      // 200 litres
        const int taxa[] = {species, subspecies, shrimp, moss};
        const char* const named[] = {"Apistogramma agassizii", "Apistogramma agassizii fire", "Neocaridina davidi",
                                     "Vesicularia dubyana"};
        db::Transaction t(conn());
        for (int i = 0; i < kLots; ++i) {
            Lot l{taxa[i % 4], i % 3 ? smallTank : bigTank};
            l.fries = 1;
            l.other = i % 5 ? "t" + std::to_string(i) : "";
            l.income = i % 2 ? 100 : 0;
            lots.push_back(lot(l));
            names.push_back(std::string(named[i % 4]) + " (" + l.other + ")");
        }
        // Spawning i: lot 2i x lot 2i+1; every seventh mother is gone.
        for (int i = 0; i < kLots / 2; ++i)
            spawning(lots[2 * i], i % 7 == 3 ? kMissingLot : lots[2 * i + 1]);
        t.commit();
    }
    std::string motherName(int i) const { return i % 7 == 3 ? " ()" : names[2 * i + 1]; }
    int motherLitres(int i) const { return i % 7 == 3 ? 0 : (2 * i + 1) % 3 ? 30 : 200; }
};

TEST(ListNames, IncubatorArchiveNamesEveryParent) {
    ManyLots w;
    farm::IncubatorBook book(w.doc, w.settings);
    book.showArchive("all", core::DayMonthYear{15, 2, 2026});
    const auto& lines = book.lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLots / 2));
    // Same incubator and day: the lines follow the codes, which follow i.
    for (int i = 0; i < kLots / 2; ++i)
        ASSERT_EQ(lines[static_cast<std::size_t>(i)].text,
                  "01.02.2026: " + w.names[static_cast<std::size_t>(2 * i)] + " x " + w.motherName(i))
            << "spawning " << i;
    EXPECT_EQ(book.totals().larvae, 5 * kLots / 2);
}

TEST(ListNames, SpawningPlanNamesEveryMotherAndHerTank) {
    ManyLots w;
    const std::vector<std::string> plan = farm::spawningPlan(w.doc, core::DayMonthYear{15, 2, 2026});
    ASSERT_EQ(plan.size(), static_cast<std::size_t>(kLots / 2));
    for (int i = 0; i < kLots / 2; ++i)
        ASSERT_EQ(plan[static_cast<std::size_t>(i)],
                  "01.02.2026: " + w.motherName(i) + " " + std::to_string(w.motherLitres(i)) + " litres")
            << "spawning " << i;
}

TEST(ListNames, BalanceNamesEveryBoughtLot) {
    ManyLots w;
    farm::Balance balance(w.doc, w.settings);
    const farm::BalanceSheet sheet = balance.refresh(farm::RefreshMode::Full, "01.03.2026", "31.03.2026", {});
    std::vector<std::string> bought;
    for (std::size_t r = sheet.fishStart; r < sheet.tankStart; ++r) bought.push_back(sheet.rows[r].text);
    ASSERT_EQ(bought.size(), static_cast<std::size_t>(kLots / 2));
    // Lots of one first-eat day list by code; the odd ones were bought.
    const char* const named[] = {"Apistogramma agassizii fire", "Vesicularia dubyana"};
    for (std::size_t k = 0; k < bought.size(); ++k) ASSERT_EQ(bought[k], named[k % 2]) << "row " << k;
    EXPECT_EQ(sheet.totals.spending, 100 * kLots / 2);
}

TEST(ListNames, SpeciesChooserNamesEachSpeciesOnce) {
    ManyLots w;
    const std::vector<farm::SpeciesEntry> all = farm::farmSpecies(w.doc, farm::SpeciesChoice::All);
    std::vector<std::string> names;
    for (const auto& e : all) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Apistogramma agassizii", "Apistogramma agassizii fire",
                                               "Neocaridina davidi", "Vesicularia dubyana"}));
}

// The catalogue window walks the document's taxa object; naming a farm list
// must leave it on its filter and its row.
TEST(ListNames, NamingAListLeavesTheCataloguesTaxaWhereTheyWere) {
    ManyLots w;
    db::Fish& taxa = *w.doc.taxa;
    taxa.setFilter("Of_cod=" + std::to_string(w.genus));
    taxa.requery();
    ASSERT_FALSE(taxa.isEOF());
    const std::int64_t current = taxa.key();
    const std::size_t rows = taxa.rowCount();

    farm::LotBook lots(w.doc, w.settings);
    lots.show(farm::lotFilter(farm::LotView::All, 0, ""));
    farm::IncubatorBook incubator(w.doc, w.settings);
    incubator.showArchive("all", core::DayMonthYear{15, 2, 2026});
    farm::Balance balance(w.doc, w.settings);
    balance.refresh(farm::RefreshMode::Full, "01.03.2026", "31.03.2026", {});
    ASSERT_EQ(lots.lines().size(), static_cast<std::size_t>(kLots));

    EXPECT_EQ(taxa.filter(), "Of_cod=" + std::to_string(w.genus));
    EXPECT_EQ(taxa.rowCount(), rows);
    ASSERT_FALSE(taxa.isEOF());
    EXPECT_EQ(taxa.key(), current);
}

}  // namespace
