// Lot names, lists, movements and their book-keeping on a real database.
#include <gtest/gtest.h>

#include "core/Dates.h"
#include "farm/ArchivePeriod.h"
#include "farm/FieldText.h"
#include "farm/LotBook.h"
#include "farm/LotNames.h"
#include "FarmWorld.h"

using farm::Counts;
using farm::LotBook;
using farm::LotView;
using farm::MoveKind;
using farm::MoveOutcome;
using farmtest::FarmWorld;

namespace {

struct LotsWorld : FarmWorld {
    core::Settings settings;
    int tankA = tank(600, 300, 350, "show");
    int tankB = tank(400, 300, 300, "quarantine");
    LotBook book{doc, settings};

    void showTank(int t) { book.show(farm::lotFilter(LotView::Tank, t, "")); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& l : book.lines()) out.push_back(l.text);
        return out;
    }
    void select(int cod) {
        auto line = book.lineOf(cod);
        ASSERT_TRUE(line.has_value()) << "lot " << cod << " not listed";
        ASSERT_TRUE(book.selectLine(*line));
    }
};

}  // namespace

TEST(LotNames, ClimbToTheGenusAndAddTheTokens) {
    FarmWorld w;
    farm::TaxonNames names(*w.doc.taxa);
    EXPECT_EQ(names.species(w.species), "Apistogramma agassizii");
    EXPECT_EQ(names.species(w.subspecies), "Apistogramma agassizii fire");
    EXPECT_EQ(names.display(w.species, "red"), "Apistogramma agassizii (red)");
    EXPECT_EQ(names.display(w.species, ""), "Apistogramma agassizii");
    EXPECT_EQ(names.parent(w.species, ""), "Apistogramma agassizii ()");
    // A subgenus (256) ends the climb as the genus does.
    int sub = w.taxon("Sub", 256, w.genus, 14);
    int sp = w.taxon("nana", 64, sub, 14);
    EXPECT_EQ(names.species(sp), "Sub nana");
    // A genus shows with its family, the first ancestor of a level of 512 or more.
    EXPECT_EQ(names.species(w.genus), "Cichlidae Apistogramma");
}

TEST(LotList, PrefixesByClassAndCountsOnlyFish) {
    LotsWorld w;
    int fish = w.lot({w.species, w.tankA, 3, 2, 1, "pair"});
    w.lot({w.shrimp, w.tankA, 40});
    w.lot({w.moss, w.tankA, 5});
    int odd = w.taxon("Oddity", 64, 0, 999);
    w.lot({odd, w.tankA, 7});
    w.lot({99999, w.tankA, 8});  // a taxon no longer in the catalogue
    w.lot({w.species, w.tankB, 9});
    w.showTank(w.tankA);
    EXPECT_EQ(w.texts(), (std::vector<std::string>{"Apistogramma agassizii (pair)", "# Neocaridina davidi",
                                                   "@ Vesicularia dubyana"}));
    EXPECT_EQ(w.book.total(), 6);
    // Lines keep their own rows although a lot of another class was left out.
    w.book.show(farm::lotFilter(LotView::All, 0, ""));
    ASSERT_EQ(w.book.lines().size(), 4u);
    EXPECT_EQ(w.book.total(), 15);
    ASSERT_TRUE(w.book.selectLine(3));
    EXPECT_EQ(w.book.lot().m_Number_fries, 9);
    ASSERT_TRUE(w.book.selectLine(0));
    EXPECT_EQ(w.book.lot().m_Cod, fish);
}

TEST(ArchivePeriod, StartDaysAreClampedToTheTargetMonth) {
    using core::DayMonthYear;
    auto start = [](const char* period, unsigned d, unsigned m, unsigned y) {
        auto s = farm::archiveStart(period, DayMonthYear{d, m, y});
        return s ? std::to_string(s->day) + "." + std::to_string(s->month) + "." + std::to_string(s->year)
                 : std::string("none");
    };
    EXPECT_EQ(start("month", 31, 3, 2026), "28.2.2026");
    EXPECT_EQ(start("quarter", 30, 5, 2026), "28.2.2026");
    EXPECT_EQ(start("quarter", 31, 7, 2026), "30.4.2026");
    EXPECT_EQ(start("month", 31, 5, 2026), "30.4.2026");
    EXPECT_EQ(start("month", 15, 1, 2026), "15.12.2025");
    EXPECT_EQ(start("quarter", 31, 3, 2026), "31.12.2025");
    EXPECT_EQ(start("quarter", 2, 2, 2026), "2.11.2025");
    EXPECT_EQ(start("year", 29, 2, 2028), "28.2.2027");
    EXPECT_EQ(start("all", 29, 2, 2028), "none");
    EXPECT_EQ(farm::lotArchiveClause("month", DayMonthYear{31, 3, 2026}),
              "AND Date_first_eat>=#01/01/80# AND (Date_dye>=#2/28/2026# OR Date_sale>=#2/28/2026# OR "
              "Date_gift>=#2/28/2026#)");
    EXPECT_EQ(farm::lotArchiveClause("all", DayMonthYear{31, 3, 2026}), "");
}

TEST(LotList, ArchiveListsArchivedLotsByPeriod) {
    LotsWorld w;
    w.lot({w.species, w.tankA, 4});
    FarmWorld::Lot recent{w.species, w.tankA};
    recent.died = 3;
    recent.dateDye = "2026-03-20";
    int recentCod = w.lot(recent);
    FarmWorld::Lot old{w.shrimp, w.tankB};
    old.saled = 10;
    old.dateSale = "2024-06-01";
    int oldCod = w.lot(old);

    // "all": every archived lot except the reserved one.
    w.book.show(farm::lotFilter(LotView::Archive, 0, farm::lotArchiveClause("all", {})));
    ASSERT_EQ(w.book.lines().size(), 2u);
    EXPECT_EQ(w.book.lines()[0].cod, recentCod);
    EXPECT_EQ(w.book.lines()[1].cod, oldCod);

    w.book.show(farm::lotFilter(LotView::Archive, 0, farm::lotArchiveClause("quarter", {31, 3, 2026})));
    ASSERT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(w.book.lines()[0].cod, recentCod);

    w.book.show(farm::lotFilter(LotView::AllWithArchive, 0, ""));
    EXPECT_EQ(w.book.lines().size(), 3u);
}

TEST(LotMoves, FirstSaleEditsTheRowAndTheSecondAddsAnArchivedRow) {
    LotsWorld w;
    FarmWorld::Lot l{w.species, w.tankA, 10, 2, 2, "blue"};
    l.income = 150;
    int cod = w.lot(l);
    w.showTank(w.tankA);
    w.select(cod);
    ASSERT_EQ(w.book.move(MoveKind::Sold, {4, 0, 1}, 120), MoveOutcome::Done);
    EXPECT_EQ(w.count("My fishes", "Of_fish<>14"), 1);
    EXPECT_EQ(w.lotColumn(cod, "Saled"), "5");
    EXPECT_EQ(w.lotColumn(cod, "Outgo"), "120");
    EXPECT_EQ(w.lotColumn(cod, "Number_fries"), "6");
    EXPECT_EQ(w.lotColumn(cod, "Number_female"), "1");
    EXPECT_NE(w.lotColumn(cod, "Date_sale").substr(0, 4), "1980");
    EXPECT_EQ(w.book.total(), 9);

    w.select(cod);
    ASSERT_EQ(w.book.move(MoveKind::Sold, {0, 2, 0}, 200), MoveOutcome::Done);
    EXPECT_EQ(w.lotColumn(cod, "Saled"), "5");
    EXPECT_EQ(w.lotColumn(cod, "Number_male"), "0");
    std::string second = w.scalar("SELECT \"Cod\" FROM \"My fishes\" WHERE \"Of_fish\"<>14 AND \"Cod\"<>" +
                                  std::to_string(cod));
    ASSERT_FALSE(second.empty());
    int s = std::stoi(second);
    EXPECT_EQ(w.lotColumn(s, "Saled"), "2");
    EXPECT_EQ(w.lotColumn(s, "Outgo"), "200");
    EXPECT_EQ(w.lotColumn(s, "Number_fries") + w.lotColumn(s, "Number_male") + w.lotColumn(s, "Number_female"),
              "000");
    EXPECT_EQ(w.lotColumn(s, "Other"), "blue");
    EXPECT_EQ(w.lotColumn(s, "Income"), "150");
    EXPECT_EQ(w.lotColumn(s, "Of_aquarium"), std::to_string(w.tankA));
    EXPECT_EQ(w.lotColumn(s, "Date_dye").substr(0, 10), "1980-01-01");
    // The archived row is not listed among the living.
    EXPECT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(w.book.total(), 7);
}

TEST(LotMoves, SellingOrGiftingEverythingArchivesTheLine) {
    LotsWorld w;
    int sold = w.lot({w.species, w.tankA, 3});
    int gifted = w.lot({w.species, w.tankA, 0, 1, 1});
    w.showTank(w.tankA);
    w.select(sold);
    ASSERT_EQ(w.book.move(MoveKind::Sold, {3, 0, 0}, 50), MoveOutcome::Done);
    w.select(gifted);
    ASSERT_EQ(w.book.move(MoveKind::Gifted, {0, 1, 1}), MoveOutcome::Done);
    EXPECT_TRUE(w.book.lines().empty());
    EXPECT_EQ(w.book.total(), 0);
    EXPECT_EQ(w.lotColumn(gifted, "Gifted"), "2");
    w.book.show(farm::lotFilter(LotView::Archive, 0, ""));
    EXPECT_EQ(w.book.lines().size(), 2u);
    w.book.show(farm::lotFilter(LotView::AllWithArchive, 0, ""));
    EXPECT_EQ(w.book.lines().size(), 2u);
}

TEST(LotMoves, RefusedMovesWriteNothing) {
    LotsWorld w;
    int cod = w.lot({w.species, w.tankA, 5, 1, 0});
    w.showTank(w.tankA);
    w.select(cod);
    EXPECT_EQ(w.book.move(MoveKind::New, {0, 0, 0}), MoveOutcome::NothingMoved);
    EXPECT_EQ(w.book.move(MoveKind::New, {5, 1, 0}), MoveOutcome::NothingLeft);
    EXPECT_EQ(w.book.move(MoveKind::Transferred, {5, 1, 0}), MoveOutcome::NothingLeft);
    EXPECT_EQ(w.book.move(MoveKind::Sold, {6, 0, 0}, 10), MoveOutcome::TooMany);
    EXPECT_EQ(w.book.move(MoveKind::Lost, {0, 0, 1}), MoveOutcome::TooMany);
    EXPECT_EQ(w.book.move(MoveKind::Gifted, {-1, 1, 0}), MoveOutcome::TooMany);
    EXPECT_EQ(w.count("My fishes", "Of_fish<>14"), 1);
    EXPECT_EQ(w.lotColumn(cod, "Number_fries"), "5");
    EXPECT_EQ(w.lotColumn(cod, "Gifted"), "0");
    w.book.show(farm::lotFilter(LotView::Tank, w.tankB, ""));
    EXPECT_EQ(w.book.move(MoveKind::Lost, {1, 0, 0}), MoveOutcome::NoLot);
}

TEST(LotMoves, SeparationPlacesTheNewLineAfterItsBirthDate) {
    LotsWorld w;
    FarmWorld::Lot a{w.species, w.tankA, 8, 0, 0, "a"};
    int first = w.lot(a);
    FarmWorld::Lot b = a;
    b.other = "b";
    w.lot(b);
    FarmWorld::Lot c = a;
    c.other = "c";
    c.firstEat = "2026-04-01";
    w.lot(c);
    w.showTank(w.tankA);
    w.select(first);
    ASSERT_EQ(w.book.move(MoveKind::New, {3, 0, 0}), MoveOutcome::Done);
    ASSERT_EQ(w.book.lines().size(), 4u);
    EXPECT_EQ(w.texts()[2], "Apistogramma agassizii (a)");
    EXPECT_EQ(w.texts()[3], "Apistogramma agassizii (c)");
    int split = w.book.lines()[2].cod;
    EXPECT_EQ(w.lotColumn(split, "Number_fries"), "3");
    EXPECT_EQ(w.lotColumn(first, "Number_fries"), "5");
    EXPECT_EQ(w.lotColumn(split, "Date_first_eat").substr(0, 10), "2026-03-01");
    // A separation keeps every animal on the farm.
    EXPECT_EQ(w.book.total(), 24);
}

TEST(LotMoves, ASecondLossAddsARowAndTheFirstEditsInPlace) {
    LotsWorld w;
    int cod = w.lot({w.species, w.tankA, 6});
    w.showTank(w.tankA);
    w.select(cod);
    ASSERT_EQ(w.book.move(MoveKind::Lost, {1, 0, 0}), MoveOutcome::Done);
    w.select(cod);
    ASSERT_EQ(w.book.move(MoveKind::Gifted, {1, 0, 0}), MoveOutcome::Done);
    EXPECT_EQ(w.count("My fishes", "Of_fish<>14"), 1);
    w.select(cod);
    ASSERT_EQ(w.book.move(MoveKind::Lost, {2, 0, 0}), MoveOutcome::Done);
    EXPECT_EQ(w.count("My fishes", "Of_fish<>14"), 2);
    EXPECT_EQ(w.lotColumn(cod, "Died"), "1");
    EXPECT_EQ(w.lotColumn(cod, "Gifted"), "1");
    EXPECT_EQ(w.count("My fishes", "\"Died\"=2 AND \"Number_fries\"=0"), 1);
    EXPECT_EQ(w.lotColumn(cod, "Number_fries"), "2");
}

TEST(LotMoves, TransferMovesAWholeLotOrASplitPart) {
    LotsWorld w;
    int whole = w.lot({w.species, w.tankA, 1});
    int part = w.lot({w.species, w.tankA, 4, 1, 1});
    w.showTank(w.tankA);
    w.select(whole);
    ASSERT_EQ(w.book.transfer(w.book.counts(), w.tankB), MoveOutcome::Done);
    EXPECT_EQ(w.lotColumn(whole, "Of_aquarium"), std::to_string(w.tankB));
    EXPECT_EQ(w.settings.Default_aquarium, w.tankB);
    EXPECT_FALSE(w.book.lineOf(whole).has_value());

    w.select(part);
    ASSERT_EQ(w.book.transfer({2, 0, 1}, w.tankB), MoveOutcome::Done);
    EXPECT_EQ(w.lotColumn(part, "Of_aquarium"), std::to_string(w.tankA));
    EXPECT_EQ(w.lotColumn(part, "Number_fries"), "2");
    EXPECT_EQ(w.count("My fishes", "\"Of_aquarium\"=" + std::to_string(w.tankB) +
                                       " AND \"Number_fries\"=2 AND \"Number_female\"=1"),
              1);
    EXPECT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(w.book.total(), 3);

    w.select(part);
    EXPECT_EQ(w.book.transfer({0, 0, 0}, w.tankB), MoveOutcome::NothingMoved);
    EXPECT_EQ(w.book.transfer({9, 0, 0}, w.tankB), MoveOutcome::TooMany);
}

TEST(LotBook, NewLotIsOneBoughtFryFoundByItsCode) {
    LotsWorld w;
    int impostor = w.lot({w.species, w.tankA, 2, 0, 0, "NEW!"});
    w.showTank(w.tankA);
    auto cod = w.book.addLot(w.species, w.tankA);
    ASSERT_TRUE(cod.has_value());
    EXPECT_EQ(w.lotColumn(*cod, "Other"), "");
    EXPECT_EQ(w.lotColumn(impostor, "Other"), "NEW!");
    EXPECT_EQ(w.lotColumn(*cod, "Number_fries"), "1");
    EXPECT_EQ(w.lotColumn(*cod, "Of_fry"), "2");
    EXPECT_EQ(w.lotColumn(*cod, "Of_aquarium"), std::to_string(w.tankA));
    EXPECT_EQ(w.lotColumn(*cod, "Date_gift").substr(0, 10), "1980-01-01");
    EXPECT_EQ(w.book.total(), 3);
    EXPECT_EQ(w.book.lot().m_Cod, *cod);
    // A genus is no lot's species; a later species change is checked the same way.
    EXPECT_FALSE(w.book.addLot(w.genus, w.tankA).has_value());
    EXPECT_FALSE(w.book.precise(w.genus));
    EXPECT_TRUE(w.book.precise(w.subspecies));
    EXPECT_EQ(w.lotColumn(*cod, "Of_fish"), std::to_string(w.subspecies));
    EXPECT_EQ(w.count("My fishes", "Of_fish<>14"), 2);
}

TEST(LotBook, DeleteKeepsSpawningsAndOffspring) {
    LotsWorld w;
    int father = w.lot({w.species, w.tankA, 0, 1, 0});
    int mother = w.lot({w.species, w.tankA, 0, 0, 1});
    int sp = w.spawning(father, mother);
    FarmWorld::Lot young{w.species, w.tankB, 20};
    young.ofFry = sp;
    int child = w.lot(young);
    w.showTank(w.tankB);
    w.select(child);
    EXPECT_EQ(w.book.parentsLine(), "Apistogramma agassizii () x Apistogramma agassizii ()");
    w.showTank(w.tankA);
    w.select(father);
    EXPECT_EQ(w.book.parentsLine(), "");
    w.book.deleteSelected();
    EXPECT_EQ(w.count("My fishes", "\"Cod\"=" + std::to_string(father)), 0);
    EXPECT_EQ(w.count("Incubator", "\"Cod\"=" + std::to_string(sp)), 1);
    EXPECT_EQ(w.lotColumn(child, "Of_fry"), std::to_string(sp));
    EXPECT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(w.book.total(), 1);
}

TEST(LotBook, SaleProposalAndSizesComeFromThePriceCard) {
    LotsWorld w;
    FarmWorld::Lot l{w.species, w.tankA, 5};
    l.outgo = 0;
    int plain = w.lot(l);
    l.outgo = 70;
    int priced = w.lot(l);
    w.showTank(w.tankA);
    w.select(plain);
    EXPECT_EQ(w.book.saleProposal(), 25);
    EXPECT_EQ(w.book.sizeLabels(w.species), (std::vector<std::string>{"F", "FJ", "J", "JA", "A"}));
    w.select(priced);
    EXPECT_EQ(w.book.saleProposal(), 70);

    w.exec("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s_ws\",\"Price_sm_ws\",\"Price_m_ws\",\"Price_ml_ws\","
           "\"Price_l_ws\",\"Size_s\",\"Size_sm\",\"Size_m\",\"Size_ml\",\"Size_l\") VALUES (" +
           std::to_string(w.species) + ",0,110,120,130,140,'10','15','20','25','30')");
    EXPECT_EQ(w.book.sizeLabels(w.species)[3], "JA = 25 mm");
    w.select(priced);
    EXPECT_EQ(w.book.saleProposal(), 25);  // size F has no wholesale price
    w.book.change([](db::My_Fish& r) { r.m_Size = 2; });
    EXPECT_EQ(w.lotColumn(priced, "Size"), "2");
    EXPECT_EQ(w.book.saleProposal(), 120);
}

TEST(LotBook, FieldChangesWriteAndMoveTheLine) {
    LotsWorld w;
    int early = w.lot({w.species, w.tankA, 2});
    int late = w.lot({w.shrimp, w.tankA, 50});
    w.showTank(w.tankA);
    w.select(early);
    w.book.change([](db::My_Fish& r) {
        r.m_Number_male = 3;
        r.m_Other = "pair";
    });
    EXPECT_EQ(w.book.total(), 5);
    EXPECT_EQ(w.book.lines()[0].text, "Apistogramma agassizii (pair)");
    w.book.setFirstEat(core::localDate(1, 6, 2026));
    EXPECT_EQ(w.book.lines()[0].cod, late);
    EXPECT_EQ(w.book.lines()[1].cod, early);
    EXPECT_EQ(w.book.lot().m_Cod, early);
    EXPECT_EQ(w.lotColumn(early, "Date_first_eat"), "2026-06-01 00:00:00.000");
}

TEST(FieldText, NumbersAndDatesAreReadStrictly) {
    EXPECT_EQ(farm::readNumber(" 42 ", 100), 42);
    EXPECT_FALSE(farm::readNumber("-5", 100).has_value());
    EXPECT_FALSE(farm::readNumber("12a", 100).has_value());
    EXPECT_FALSE(farm::readNumber("abc", 100).has_value());
    EXPECT_FALSE(farm::readNumber("101", 100).has_value());
    EXPECT_FALSE(farm::readNumber("99999999999", farm::kLongMax).has_value());
    EXPECT_FALSE(farm::readNumber("", 100).has_value());
    EXPECT_EQ(farm::readCount("", 100), 0);
    EXPECT_EQ(farm::countText(0), "");
    EXPECT_EQ(farm::readEventDate(""), core::notSetDate());
    EXPECT_EQ(farm::readEventDate("01.01.1980"), core::notSetDate());
    EXPECT_EQ(farm::eventDateText(core::notSetDate()), "");
    EXPECT_EQ(farm::readFieldDate("3.4.2026"), core::localDate(3, 4, 2026));
    EXPECT_FALSE(farm::readFieldDate("31.13.2026").has_value());
    EXPECT_FALSE(farm::readFieldDate("").has_value());
}
