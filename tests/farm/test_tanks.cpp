// Tanks, their volume and lines, and the water journal on a real database.
#include <gtest/gtest.h>

#include "core/Dates.h"
#include "farm/LotBook.h"
#include "farm/TankBook.h"
#include "farm/WaterJournal.h"
#include "FarmWorld.h"

using farm::Dimension;
using farm::TankBook;
using farmtest::FarmWorld;

namespace {

struct TanksWorld : FarmWorld {
    core::Settings settings;
    TankBook book{doc, settings};
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& l : book.lines()) out.push_back(l.text);
        return out;
    }
};

}  // namespace

TEST(Tanks, VolumeLinesAndTotal) {
    EXPECT_EQ(farm::litresOf(600, 350, 300), 63);
    EXPECT_EQ(farm::litresOf(600, 0, 300), 0);
    EXPECT_EQ(farm::tankLine(63, "show", "Temporary"), "63 liters (show)");
    EXPECT_EQ(farm::tankLine(0, "box", "Temporary"), "Temporary (box)");
    EXPECT_EQ(farm::tankTotalLine("In all", 163), "In all 163 liters");

    TanksWorld w;
    w.settings.Empty_tank = "Bucket";
    w.tank(600, 300, 350, "show");
    w.tank(0, 300, 350, "spare");
    w.tank(1000, 400, 250, "big");
    w.book.show();
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"Bucket (spare)", "63 liters (show)", "100 liters (big)"}));
    EXPECT_EQ(w.book.total(), 163);
}

TEST(Tanks, EditingADimensionRecomputesTheVolumeAndMovesTheLine) {
    TanksWorld w;
    int small = w.tank(0, 0, 0, "small");
    int mid = w.tank(500, 200, 200, "mid");
    w.book.show();
    ASSERT_TRUE(w.book.selectLine(*w.book.lineOf(small)));
    ASSERT_TRUE(w.book.setDimension(Dimension::Length, 600));
    ASSERT_TRUE(w.book.setDimension(Dimension::Height, 300));
    EXPECT_EQ(w.texts()[0], "Temporary (small)");
    ASSERT_TRUE(w.book.setDimension(Dimension::Width, 350));
    EXPECT_EQ(w.scalar("SELECT \"In_liters\" FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(small)), "63");
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"20 liters (mid)", "63 liters (small)"}));
    EXPECT_EQ(w.book.tank().m_Cod, small);
    EXPECT_EQ(w.book.total(), 83);
    // A volume beyond the column is refused and nothing changes.
    EXPECT_FALSE(w.book.setDimension(Dimension::Length, 32768));
    EXPECT_FALSE(w.book.setDimension(Dimension::Length, -1));
    ASSERT_TRUE(w.book.setDimension(Dimension::Length, 30000));
    ASSERT_TRUE(w.book.setDimension(Dimension::Height, 3000));
    EXPECT_FALSE(w.book.setDimension(Dimension::Width, 400));
    EXPECT_EQ(w.scalar("SELECT \"Size_width\" || ' ' || \"In_liters\" FROM \"Aquariums\" WHERE \"Cod\"=" +
                       std::to_string(small)),
              "350 31500");
    ASSERT_TRUE(w.book.setDimension(Dimension::Length, 600));
    ASSERT_TRUE(w.book.setDimension(Dimension::Height, 300));
    w.book.setName("reef");
    EXPECT_EQ(w.texts()[1], "63 liters (reef)");
    w.book.setPrice(4500);
    w.book.setPurchaseDate(core::localDate(2, 3, 2025));
    EXPECT_EQ(w.scalar("SELECT \"Price\" || ' ' || \"Date\" FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(small)),
              "4500 2025-03-02 00:00:00.000");
    (void)mid;
}

TEST(Tanks, NewTanksAreFoundAgainOneAfterTheOther) {
    TanksWorld w;
    w.tank(600, 300, 350, "show");
    w.book.show();
    int first = w.book.addTank();
    int second = w.book.addTank();
    EXPECT_NE(first, second);
    EXPECT_EQ(w.count("Aquariums", "\"Other\"='NEW!'"), 0);
    EXPECT_EQ(w.count("Aquariums", "\"Other\"='' AND \"Cod\"<>2"), 2);
    EXPECT_EQ(w.book.tank().m_Cod, second);
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"Temporary ()", "Temporary ()", "63 liters (show)"}));
    EXPECT_EQ(w.scalar("SELECT \"Date_out\" FROM \"Aquariums\" WHERE \"Cod\"=" + std::to_string(second)),
              "1980-01-01 00:00:00.000");
}

TEST(Tanks, ASoldTankLeavesEveryListButKeepsItsRowAndLots) {
    TanksWorld w;
    int keep = w.tank(600, 300, 350, "keep");
    int sold = w.tank(1000, 400, 250, "sold");
    int lot = w.lot({w.species, sold, 5});
    w.book.show();
    ASSERT_TRUE(w.book.selectLine(*w.book.lineOf(sold)));
    EXPECT_EQ(w.book.saleProposal(), 1);
    w.book.sellSelected(3000);
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"63 liters (keep)"}));
    EXPECT_EQ(w.book.total(), 63);
    EXPECT_EQ(farm::tanksInService(*w.doc.tanks, "Temporary").size(), 1u);
    EXPECT_EQ(w.count("Aquariums", "\"Cod\"=" + std::to_string(sold) + " AND \"Price_out\"=3000"), 1);
    EXPECT_EQ(w.lotColumn(lot, "Of_aquarium"), std::to_string(sold));

    ASSERT_TRUE(w.book.selectLine(0));
    w.book.choose();
    EXPECT_EQ(w.settings.Default_aquarium, keep);
    w.book.deleteSelected();
    EXPECT_TRUE(w.book.lines().empty());
    EXPECT_FALSE(w.book.hasTank());
    EXPECT_EQ(w.count("Aquariums", "\"Cod\"=2"), 1);
}

TEST(WaterJournal, ShowsOnlyTheSelectedTanksEntries) {
    TanksWorld w;
    int a = w.tank(600, 300, 350, "a");
    int b = w.tank(600, 300, 350, "b");
    farm::WaterJournal journal(w.doc);
    journal.show(a);
    journal.addEntry();
    journal.change([](db::CJournal& e) {
        e.m_Volume_wc = 20;
        e.m_dGh = 8;
        e.m_dKh = 4;
        e.m_pH = "6.8";
    });
    journal.show(b);
    EXPECT_TRUE(journal.lines().empty());
    journal.addEntry();
    journal.addEntry();
    EXPECT_EQ(journal.lines().size(), 2u);
    journal.show(a);
    ASSERT_EQ(journal.lines().size(), 1u);
    EXPECT_EQ(journal.lines()[0], core::formatDate(std::time(nullptr)) + " - 20 л. - 8 - 4 - 6.8");
    EXPECT_EQ(w.count("Journal", "\"pH\"='NEW!'"), 0);

    journal.show(b);
    ASSERT_TRUE(journal.selectLine(1));
    journal.deleteSelected();
    EXPECT_EQ(journal.lines().size(), 1u);
    EXPECT_EQ(w.count("Journal", "\"Of_aqua\"=" + std::to_string(b)), 1);
    EXPECT_EQ(w.count("Journal", "\"Of_aqua\"=" + std::to_string(a)), 1);
}
