// The plant page of every class but the fishes, and the page commands of
// the catalogue.
#include <gtest/gtest.h>

#include "SiteWorld.h"
#include "core/Settings.h"
#include "site/SpeciesPage.h"
#include "site/TaxonPageCommands.h"

using namespace sitetest;

namespace {

struct AnubiasWorld : SiteWorld {
    fs::path monocots() const { return workDir() / "Classes" / "Monocotyledones"; }
    AnubiasWorld() {
        fs::create_directories(monocots() / "Images");
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
             "(121,'Schott, 1857',512,'Anubias',12129,12129),(123,'Schott, 1860',64,'barteri',121,12129),"
             "(600,'Kemp, 1918',512,'Neocaridina',10420,10420),(601,', ',64,'davidi',600,10420)");
        exec("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (123,'Barter''s anubias',0)");
        exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Cameroon',0)");
        exec("INSERT INTO \"Plants\" (\"Of_cod\",\"Height\",\"Diameter\",\"Fl_size\",\"Seed_size\",\"Habitat\","
             "\"Keep_cond\",\"Substrat\",\"Season\",\"Flow_term\",\"Seed_term\",\"Seed_perc\",\"Spr_size\",\"Root\") "
             "VALUES (123,'300','120','15','','3','20-26|6-7||','gravel with clay',2,30,10,50,'','80')");
        exec("INSERT INTO \"Description\" (\"Of_fish\",\"Language\",\"Text\") VALUES "
             "(123,0,'Slow-growing rhizome plant.')");
        for (const char* f : {"a123_1.jpg", "a123_2.jpg", "m121_a.jpg", "s121_a.jpg", "a121_a.jpg"})
            touch(monocots() / "Images" / f);
    }
};

}  // namespace

TEST(PlantPage, PlantCardWithConditionPicturesAndSizes) {
    AnubiasWorld w;
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(123));
    EXPECT_EQ(bytesOf(w.monocots() / "m123.html"), bytesOf(expectedDir() / "plant_species.html"));
    EXPECT_FALSE(fs::exists(w.pisces() / "m123.html"));
}

TEST(PlantPage, LaterKeepingPiecesStayOffTheConditionLine) {
    AnubiasWorld w;
    w.exec("UPDATE \"Plants\" SET \"Keep_cond\"='||||80|5000|2|40|10100', \"Substrat\"='' WHERE \"Of_cod\"=123");
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(123));
    std::string page = bytesOf(w.monocots() / "m123.html");
    EXPECT_EQ(page.find("Conditions of keeping:"), std::string::npos);
    w.exec("UPDATE \"Plants\" SET \"Keep_cond\"='22|||8|80|5000|2|40|10100' WHERE \"Of_cod\"=123");
    ASSERT_TRUE(pages.write(123));
    page = bytesOf(w.monocots() / "m123.html");
    EXPECT_NE(page.find("<b>Condition: </b></font>22\xB0" "C, 8 dKh\r\n</tr>\r\n"), std::string::npos);
}

TEST(PlantPage, CrustaceaGetsThePlantPageNotTheAnimalOne) {
    AnubiasWorld w;
    // Both kinds of card exist; only the plant card counts outside the fish class.
    w.exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Forage\",\"Keep_cond\",\"Spawn_cond\",\"Egg_quant\",\"Egg_term\","
           "\"Fr_perc\",\"Fr_term\",\"Of_fish\",\"M_len\") VALUES ('','algae','24||||||','||||||||',30,0,0,0,601,'30')");
    w.exec("INSERT INTO \"Plants\" (\"Of_cod\",\"Height\",\"Keep_cond\",\"Substrat\",\"Habitat\") "
           "VALUES (601,'25','18-28|6.5-8||','moss','')");
    fs::path images = w.workDir() / "Classes" / "Crustacea" / "Images";
    w.touch(images / "a601_a.jpg");
    w.touch(images / "m601_a.jpg");
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(600));
    ASSERT_TRUE(pages.write(601));
    std::string genus = bytesOf(w.workDir() / "Classes" / "Crustacea" / "m600.html");
    std::string species = bytesOf(w.workDir() / "Classes" / "Crustacea" / "m601.html");
    EXPECT_NE(genus.find("<img src=\"Images\\a601_a.jpg\" width=\"20%\" alt=\"davidi\""), std::string::npos);
    EXPECT_NE(species.find("<b><i>Adult plant:</i></b></font> upto 25 mm"), std::string::npos);
    EXPECT_NE(species.find("<b>Condition: </b></font>18-28\xB0" "C, 6.5-8 pH"), std::string::npos);
    EXPECT_EQ(species.find("Adult male"), std::string::npos);
    EXPECT_EQ(species.find("Forage"), std::string::npos);
    EXPECT_EQ(species.find("Reproduction"), std::string::npos);
    EXPECT_EQ(species.find("m601_a"), std::string::npos);
}

TEST(PageCommands, ViewGeneratesAndShowsOrOpensTheRemoteClassPage) {
    AnubiasWorld w;
    site::ViewModes plain;
    ASSERT_TRUE(site::viewTaxonPage(w.doc, w.env, plain, 123));
    EXPECT_TRUE(fs::exists(w.monocots() / "m123.html"));
    ASSERT_EQ(w.launched.size(), 1u);
    EXPECT_EQ(w.launched[0], "xdg-open " + (w.monocots() / "m123.html").string());

    site::ViewModes web{false, true, ""};
    w.env.wwwServer = "http://www.reedmere.org/";
    ASSERT_TRUE(site::viewTaxonPage(w.doc, w.env, web, 123));
    EXPECT_EQ(w.launched.back(), "xdg-open http://www.reedmere.org/Classes/Monocotyledones/1.html");

    // CD wins over WWW; an absent CD page falls back to the generated one.
    fs::path cd = w.root() / "cdrom";
    site::ViewModes both{true, true, cd.string()};
    fs::remove(w.monocots() / "m123.html");
    ASSERT_TRUE(site::viewTaxonPage(w.doc, w.env, both, 123));
    EXPECT_EQ(w.launched.back(), "xdg-open " + (w.monocots() / "m123.html").string());
    writeBytes(cd / "Classes" / "Monocotyledones" / "1.html", "cd page");
    ASSERT_TRUE(site::viewTaxonPage(w.doc, w.env, both, 123));
    EXPECT_EQ(w.launched.back(), "xdg-open " + (cd / "Classes" / "Monocotyledones" / "1.html").string());

    core::Settings s;
    s.CD = 0;
    s.WWW = 1;
    s.CD_drive = "/media/cdrom";
    site::ViewModes m = site::viewModes(s);
    EXPECT_TRUE(m.www);
    EXPECT_FALSE(m.cd);
    EXPECT_EQ(m.cdDrive, "/media/cdrom");
}

TEST(PageCommands, EditOpensTheEditorAndFailuresShowNothing) {
    AnubiasWorld w;
    w.env.editorCommand = "bluefish ";
    ASSERT_TRUE(site::editTaxonPage(w.doc, w.env, 123));
    EXPECT_EQ(w.launched, (std::vector<std::string>{"bluefish " + (w.monocots() / "m123.html").string()}));
    fs::remove(w.workDir() / "blank.html");
    EXPECT_FALSE(site::editTaxonPage(w.doc, w.env, 123));
    EXPECT_FALSE(site::viewTaxonPage(w.doc, w.env, site::ViewModes{}, 123));
    EXPECT_EQ(w.launched.size(), 1u);
    EXPECT_EQ(w.prompter.shown().size(), 2u);
}

TEST(PageCommands, AfterACardClosesOnlyExistingPagesAreWrittenAgain) {
    AnubiasWorld w;
    w.exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
           "(124,', ',64,'nana',121,12129),(125,', ',1000000512,'Amauropsis',121,12129)");
    writeBytes(w.monocots() / "m121.html", "old");
    writeBytes(w.monocots() / "m123.html", "old");
    writeBytes(w.monocots() / "m125.html", "synonym page");
    EXPECT_EQ(site::rewriteExistingPages(w.doc, w.env, 121), 2);
    EXPECT_NE(bytesOf(w.monocots() / "m121.html"), "old");
    EXPECT_EQ(bytesOf(w.monocots() / "m123.html"), bytesOf(expectedDir() / "plant_species.html"));
    EXPECT_FALSE(fs::exists(w.monocots() / "m124.html"));
    EXPECT_EQ(bytesOf(w.monocots() / "m125.html"), "synonym page");
}

TEST(PlantPage, ClassAddedAfterTheFirstRunGetsItsDirectory) {
    AnubiasWorld w;
    w.exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES "
           "(13000,'1111010011011110',262144,'Gastropoda (s.l.)',5,13000),(13001,', ',64,'cornuarietis',13000,13000)");
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(13001));
    const fs::path dir = w.workDir() / "Classes" / "Gastropoda _s_l__";
    EXPECT_TRUE(fs::exists(dir / "m13001.html"));
    EXPECT_TRUE(fs::is_directory(dir / "Images"));
    EXPECT_TRUE(w.prompter.shown().empty());
}
