// The plant card's Info fields on a real database, and what the plant page
// then shows of them.
#include <gtest/gtest.h>

#include "SiteWorld.h"
#include "catalogue/PlantCard.h"
#include "site/SpeciesPage.h"

using namespace sitetest;
using catalogue::PlantNumber;

namespace {

struct PlantWorld : SiteWorld {
    PlantWorld() {
        fs::create_directories(workDir() / "Classes" / "Monocotyledones" / "Images");
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
             "(7006,', ',64,'barteri',12129,12129)");
        exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Cameroon',0),(4,'Nigeria',0)");
    }
    std::string column(const std::string& c) {
        return scalar("SELECT \"" + c + "\" FROM \"Plants\" WHERE \"Of_cod\"=7006");
    }
};

}  // namespace

TEST(PlantCard, OpeningCreatesOneEmptyCard) {
    PlantWorld w;
    EXPECT_TRUE(catalogue::openPlantCard(w.doc, 7006));
    EXPECT_FALSE(catalogue::openPlantCard(w.doc, 7006));
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Plants\" WHERE \"Of_cod\"=7006"), "1");
    EXPECT_EQ(w.column("Keep_cond"), "|||");
    EXPECT_EQ(w.column("Height"), "");
    EXPECT_EQ(w.column("Season"), "0");
}

TEST(PlantCard, KeepingPiecesReachTheConditionLine) {
    PlantWorld w;
    EXPECT_TRUE(catalogue::writePlantKeep(w.doc, 7006, catalogue::kPlantTemperature, "20-26"));
    EXPECT_TRUE(catalogue::writePlantKeep(w.doc, 7006, catalogue::kPlantPH, "6-7"));
    EXPECT_FALSE(catalogue::writePlantKeep(w.doc, 7006, catalogue::kPlantPH, "6-7")) << "unchanged";
    EXPECT_TRUE(catalogue::writePlantKeep(w.doc, 7006, catalogue::kPlantHumidity, "q93"));
    EXPECT_TRUE(catalogue::writePlantKeep(w.doc, 7006, catalogue::kPlantSaltiness, "1|2"));
    EXPECT_TRUE(catalogue::writePlantSubstrat(w.doc, 7006, "clay"));
    EXPECT_EQ(w.column("Keep_cond"), "20-26|6-7|||q93||12||");
    EXPECT_EQ(w.column("Substrat"), "clay");

    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(7006));
    const std::string page = bytesOf(w.workDir() / "Classes" / "Monocotyledones" / "m7006.html");
    EXPECT_NE(page.find("<b>Condition: </b></font>20-26\xB0" "C, 6-7 pH\r\n</tr>"), std::string::npos);
    EXPECT_EQ(page.find("q93"), std::string::npos) << "humidity stays on the card";
}

TEST(PlantCard, NumbersSeasonAndMethods) {
    PlantWorld w;
    EXPECT_TRUE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::FlowTerm, "30"));
    EXPECT_FALSE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::FlowTerm, "abc"));
    EXPECT_TRUE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::SeedTerm, "12 days"));
    EXPECT_TRUE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::SeedPercent, "75"));
    EXPECT_THROW(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::SeedPercent, "300"), db::RangeError);
    EXPECT_TRUE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::Season, "10"));
    EXPECT_EQ(w.column("Flow_term") + "/" + w.column("Seed_term") + "/" + w.column("Seed_perc") + "/" +
                  w.column("Season"),
              "30/12/75/10");
    EXPECT_TRUE(catalogue::writePlantNumber(w.doc, 7006, PlantNumber::FlowTerm, ""));
    EXPECT_EQ(w.column("Flow_term"), "0");

    EXPECT_TRUE(catalogue::writePlantMethods(w.doc, 7006, {true, false, true, false, true}));
    EXPECT_EQ(catalogue::unpackMethods(w.column("Keep_cond")), (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(w.column("Keep_cond"), "||||||||10101");
    EXPECT_EQ(catalogue::methodFlags({false, true}), "01000");
}

TEST(PlantCard, HabitatsAsNamesAndCodes) {
    PlantWorld w;
    EXPECT_TRUE(catalogue::writePlantHabitats(w.doc, 7006, {"Nigeria", "Atlantis", "Cameroon"}));
    EXPECT_EQ(w.column("Habitat"), "4,3");
    EXPECT_EQ(catalogue::plantHabitats(w.doc, 7006), (std::vector<std::string>{"Nigeria", "Cameroon"}));
}
