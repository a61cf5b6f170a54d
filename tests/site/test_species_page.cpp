// Species pages of the fish class and of the other classes, compared whole
// against the expected pages.
#include <gtest/gtest.h>

#include "SiteWorld.h"
#include "site/SpeciesPage.h"

using namespace sitetest;

namespace {

// Pisces > Perciformes > Osphronemidae > Betta > splendens (+ synonym, form) and imbellis.
struct BettaWorld : SiteWorld {
    BettaWorld() {
        taxon(100, 65536, "Perciformes", "Bleeker, 1859", 14, 14);
        taxon(200, 4096, "Osphronemidae", "van der Hoeven, 1832", 100, 14);
        taxon(300, 512, "Betta", "Bleeker, 1850", 200, 14);
        taxon(400, 64, "splendens", "Regan, 1910", 300, 14);
        taxon(401, 64, "imbellis", ", ", 300, 14);
        taxon(450, 1000000064, "rubra", "Perugia, 1893", 400, 14);
        taxon(500, 16, "Red", ", ", 400, 14);
        common(200, "Gouramies", 0);
        common(400, "Siamese fighting fish", 0);
        common(400, "Петушок", 1);
        common(500, "Red betta", 0);
        exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Thailand',0),(5,'Cambodia',0),(7,'Asia',0)");
        exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Forage\",\"Forage_fr\",\"Keep_cond\",\"Spawn_cond\",\"Egg_quant\","
             "\"Egg_term\",\"Fr_perc\",\"Fr_term\",\"Of_fish\",\"Egg_size\",\"F_len\",\"Fr_len\",\"J_len\",\"M_len\") "
             "VALUES ('3,99,5','live food, flakes','infusoria','24-28|6.5-7.5|||||',"
             "'26-30|6-7|4-8||1|20|5|9|raise temperature',500,2,80,0,400,'1','50','','','60')");
        exec("INSERT INTO \"Description\" (\"Of_fish\",\"Language\",\"Text\") VALUES "
             "(400,0,'Labyrinth fish from\nrice paddies.'),(400,1,'Русское описание'),(300,0,'Genus text')");
        link(400, "http://", "", "ftp://", "Aquarium club", 0);
        link(400, "http://www.bettas.org", "info@bettas.org", "ftp://ftp.bettas.org", "Betta society", 0);
        link(400, "http://", "anna@example.org", "ftp://", "Anna Petrova", 1);
        link(400, "http://www.example.org/ivan", "", "ftp://", "Ivan Sidorov", 1);
        for (const char* f : {"m400_a.jpg", "m400_b.gif", "f400_a.jpg", "f200_a.jpg", "m4000_a.jpg"})
            touch(images() / f);
    }
    void taxon(int cod, int level, const std::string& name, const std::string& author, int of, int cls) {
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES (" +
             std::to_string(cod) + ",'" + author + "'," + std::to_string(level) + ",'" + name + "'," +
             std::to_string(of) + "," + std::to_string(cls) + ")");
    }
    void common(int cod, const std::string& name, int language) {
        exec("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (" + std::to_string(cod) + ",'" + name +
             "'," + std::to_string(language) + ")");
    }
    void link(int cod, const std::string& http, const std::string& mail, const std::string& ftp,
              const std::string& name, int type) {
        exec("INSERT INTO \"Links\" (\"Of_fish\",\"HTTP\",\"E_mail\",\"FTP\",\"Name\",\"Type\") VALUES (" +
             std::to_string(cod) + ",'" + http + "','" + mail + "','" + ftp + "','" + name + "'," +
             std::to_string(type) + ")");
    }
};

}  // namespace

TEST(FishPage, SpeciesWithEveryPartOfTheCard) {
    BettaWorld w;
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(400));
    EXPECT_EQ(bytesOf(w.pisces() / "m400.html"), bytesOf(expectedDir() / "fish_species_full.html"));
    // Habitat 99 no longer exists: the card forgets it.
    EXPECT_EQ(w.scalar("SELECT \"Habitat\" FROM \"Fishes\" WHERE \"Of_fish\"=400"), "3,5");
    EXPECT_TRUE(w.prompter.shown().empty());
    EXPECT_TRUE(w.launched.empty());
}

TEST(FishPage, TaxonWithoutCardHasNamesTreeAndLinksOnly) {
    BettaWorld w;
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(300));
    EXPECT_EQ(bytesOf(w.pisces() / "m300.html"), bytesOf(expectedDir() / "fish_genus_no_card.html"));
}

TEST(FishPage, MaleSizeWithoutPicturesStillGetsItsRow) {
    BettaWorld w;
    w.exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Keep_cond\",\"Spawn_cond\",\"Egg_quant\",\"Egg_term\",\"Fr_perc\","
           "\"Fr_term\",\"Of_fish\",\"M_len\",\"F_len\",\"J_len\",\"Fr_len\",\"Egg_size\",\"Forage\",\"Forage_fr\") "
           "VALUES ('','||||||','||||||||',0,0,0,0,401,'40','','','','','','')");
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(401));
    EXPECT_EQ(bytesOf(w.pisces() / "m401.html"), bytesOf(expectedDir() / "fish_male_only.html"));
}

TEST(FishPage, FamilyLinksItsOwnSurveyAndOtherLevelsTheTaxonomySurvey) {
    BettaWorld w;
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(200));
    ASSERT_TRUE(pages.write(100));
    const std::string family = bytesOf(w.pisces() / "m200.html");
    const std::string order = bytesOf(w.pisces() / "m100.html");
    const std::string img = "\"><img src=\"../../survey.jpg\" border=\"0\" alt=\"Taxonomy survey\"></a><br>\r\n";
    EXPECT_NE(family.find("<p align=\"center\"><a href=\"s200.html" + img), std::string::npos);
    EXPECT_EQ(family.find("survey.html"), std::string::npos);
    EXPECT_NE(order.find("<p align=\"center\"><a href=\"survey.html" + img), std::string::npos);
    // The class as parent: no visibility string in place of an author.
    EXPECT_NE(order.find("<a href=\"m14.html\">Pisces  (Fishes)</a></font></strong>\r\n"), std::string::npos);
}

TEST(FishPage, LevelLabelAndLanguageOfTheCatalogue) {
    BettaWorld w;
    w.env.language = 1;
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(400));
    std::string page = platform::cp1251ToUtf8(bytesOf(w.pisces() / "m400.html"));
    EXPECT_NE(page.find("<title>Вид splendens</title>"), std::string::npos);
    EXPECT_NE(page.find("Русское описание\r\n</tr>"), std::string::npos);
    EXPECT_EQ(page.find("Labyrinth"), std::string::npos);
    // Names on the page stay in English whatever the interface language.
    EXPECT_NE(page.find("(Siamese fighting fish)"), std::string::npos);
    ASSERT_TRUE(pages.write(400, "Species"));
    page = platform::cp1251ToUtf8(bytesOf(w.pisces() / "m400.html"));
    EXPECT_NE(page.find("<title>Species splendens</title>"), std::string::npos);
}

TEST(FishPage, OddCardDataIsReadSafely) {
    BettaWorld w;
    // Short packed fields, a habitat list with junk and a season beyond the list.
    w.exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Keep_cond\",\"Spawn_cond\",\"Egg_quant\",\"Egg_term\",\"Fr_perc\","
           "\"Fr_term\",\"Of_fish\",\"M_len\",\"Forage\",\"Forage_fr\") "
           "VALUES ('5,,x'' OR 1=1,3','|7','||||||12|',0,0,0,0,401,'','','')");
    site::SpeciesPages pages(w.doc, w.env);
    ASSERT_TRUE(pages.write(401));
    std::string page = platform::cp1251ToUtf8(bytesOf(w.pisces() / "m401.html"));
    EXPECT_NE(page.find("</a>: </b></font>7 pH\r\n</tr>"), std::string::npos);
    EXPECT_NE(page.find("<b>Season: </b></font>12\r\n</tr>"), std::string::npos);
    EXPECT_NE(page.find("Cambodia</a></font></strong>\r\n<br><strong>"), std::string::npos);
    EXPECT_EQ(w.scalar("SELECT \"Habitat\" FROM \"Fishes\" WHERE \"Of_fish\"=401"), "5,3");
}

TEST(FishPage, MissingTemplateChangesNothing) {
    BettaWorld w;
    fs::remove(w.workDir() / "blank.html");
    site::SpeciesPages pages(w.doc, w.env);
    EXPECT_FALSE(pages.write(400));
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "blank.html").string() + " is absent!");
    EXPECT_FALSE(fs::exists(w.pisces() / "m400.html"));
    EXPECT_EQ(w.scalar("SELECT \"Habitat\" FROM \"Fishes\" WHERE \"Of_fish\"=400"), "3,99,5");
    EXPECT_FALSE(pages.write(999999)) << "no such taxon";
}

TEST(FishPage, RewriteOnlyWhenThePageExists) {
    BettaWorld w;
    site::SpeciesPages pages(w.doc, w.env);
    EXPECT_FALSE(pages.rewriteIfExists(400));
    EXPECT_FALSE(fs::exists(w.pisces() / "m400.html"));
    writeBytes(w.pisces() / "m400.html", "stale");
    EXPECT_TRUE(pages.rewriteIfExists(400));
    EXPECT_EQ(bytesOf(w.pisces() / "m400.html"), bytesOf(expectedDir() / "fish_species_full.html"));
}
