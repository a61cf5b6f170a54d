// The taxonomy survey, the family surveys and the htm-stair: whole pages
// against the expected ones, the stop between two taxa, and what a stopped
// page looks like.
#include <gtest/gtest.h>

#include "SurveyWorld.h"
#include "site/SpeciesPage.h"
#include "site/Surveys.h"

using namespace sitetest;

namespace {

// Pisces > Acanthopterygii > Perciformes > Anabantoidei > Anabantidae (empty)
// and Osphronemidae (2 genera, 9 species, a synonym of the family and one of
// a species); Pisces > Ostariophysi > Siluriformes whose first child is a genus.
struct FishWorld : SurveyWorld {
    FishWorld() {
        taxon(1000, 131072, "Acanthopterygii", "Gouan, 1770", 14);
        taxon(1100, 65536, "Perciformes", "Bleeker, 1859", 1000);
        common(1100, "Perches");
        taxon(1110, 32768, "Anabantoidei", ", ", 1100);
        taxon(1200, 4096, "Osphronemidae", "van der Hoeven, 1832", 1110);
        common(1200, "Gouramies");
        taxon(1250, 1000004096, "Polyacanthidae", ", ", 1200);
        taxon(1210, 4096, "Anabantidae", "Bonaparte, 1831", 1110);
        taxon(1300, 512, "Betta", "Bleeker, 1850", 1200);
        taxon(1301, 64, "splendens", "Regan, 1910", 1300);
        common(1301, "Siamese fighting fish");
        common(1301, "Петушок", 1);
        taxon(1350, 1000000064, "rubra", "Perugia, 1893", 1301);
        taxon(1302, 64, "imbellis", ", ", 1300);
        taxon(1303, 64, "smaragdina", "Ladiges, 1972", 1300);
        taxon(1304, 64, "coccina", "Vierke, 1979", 1300);
        taxon(1305, 64, "persephone", "Schaller, 1986", 1300);
        taxon(1400, 512, "Trichogaster", "Bloch & Schneider, 1801", 1200);
        taxon(1401, 64, "lalius", "Hamilton, 1822", 1400);
        taxon(1402, 64, "chuna", "Hamilton, 1822", 1400);
        taxon(1403, 64, "fasciata", "Bloch & Schneider, 1801", 1400);
        taxon(1404, 64, "labiosa", "Day, 1877", 1400);
        taxon(2000, 131072, "Ostariophysi", ", ", 14);
        taxon(2100, 65536, "Siluriformes", "Cuvier, 1817", 2000);
        taxon(2200, 512, "Corydoras", "Lacepede, 1803", 2100);
        taxon(2201, 64, "paleatus", "Jenyns, 1842", 2200);
    }
};

// Stops once the run has named `after` taxa, as a click between two would.
struct StopAfter {
    int after;
    int named = 0;
    std::vector<std::string> texts;
    site::RunControl control() {
        site::RunControl run;
        run.stopRequested = [this] { return named >= after; };
        run.progress = [this](const std::string& t) {
            texts.push_back(t);
            ++named;
        };
        return run;
    }
};

int count(const std::string& s, const std::string& part) {
    int n = 0;
    for (std::size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(TaxonomySurvey, FamiliesWithTheirCountsAndNoListUnderAGenus) {
    FishWorld w;
    std::vector<std::string> said;
    site::RunControl run;
    run.progress = [&](const std::string& t) { said.push_back(t); };
    site::RunResult r = site::writeTaxonomySurvey(w.doc, w.env, 14, run);
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.page, w.pisces() / "survey.html");
    EXPECT_EQ(w.differenceFrom(w.pisces() / "survey.html", "survey.html"), "");
    // Each taxon listed is named in the status line, genera while a family is counted.
    EXPECT_NE(std::find(said.begin(), said.end(), "Family Osphronemidae"), said.end());
    EXPECT_NE(std::find(said.begin(), said.end(), "Osphronemidae Genus Trichogaster"), said.end());
    EXPECT_TRUE(w.launched.empty());
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(TaxonomySurvey, LabelsInTheInterfaceLanguage) {
    FishWorld w;
    w.env.language = 1;
    site::writeTaxonomySurvey(w.doc, w.env, 14, {});
    const std::string page = bytesOf(w.pisces() / "survey.html");
    // "(contains 2 Род, 9 Вид) " in Windows-1251.
    EXPECT_NE(page.find("(contains 2 \xD0\xEE\xE4, 9 \xC2\xE8\xE4) "), std::string::npos) << page;
}

TEST(TaxonomySurvey, WithoutPiscesOnlyTheImageAndTheFooterInTheShownClass) {
    FishWorld w;
    w.exec("UPDATE \"Reedmere\" SET \"Lat_name\"='Pisces fossiles' WHERE \"Cod\"=14");
    site::RunResult r = site::writeTaxonomySurvey(w.doc, w.env, 10420, {});
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.page, w.workDir() / "Classes" / "Crustacea" / "survey.html");
    EXPECT_EQ(w.differenceFrom(r.page, "survey_no_pisces.html"), "");
}

TEST(TaxonomySurvey, GoesIntoTheFishClassDirectoryFromAnyCatalogue) {
    FishWorld w;
    site::RunResult r = site::writeTaxonomySurvey(w.doc, w.env, 12129, {});
    EXPECT_EQ(r.page, w.pisces() / "survey.html");
    EXPECT_FALSE(fs::exists(w.workDir() / "Classes" / "Monocotyledones" / "survey.html"));
}

TEST(TaxonomySurvey, AStoppedSurveyIsClosedWithItsListsAndFooter) {
    FishWorld w;
    writeBytes(w.pisces() / "survey.html", "older survey");
    StopAfter stop{2};
    site::RunResult r = site::writeTaxonomySurvey(w.doc, w.env, 14, stop.control());
    ASSERT_TRUE(r.written);
    const std::string page = bytesOf(w.pisces() / "survey.html");
    EXPECT_EQ(count(page, "<li>"), 2);
    EXPECT_EQ(count(page, "<ul>"), count(page, "</ul>"));
    EXPECT_EQ(page.substr(page.size() - 18), "</body>\r\n</html>\r\n");
    // No temporary file is left beside it.
    EXPECT_EQ(w.pagesIn(w.pisces(), ""), (std::vector<std::string>{"survey.html"}));
}

TEST(FamilySurvey, AncestorsThroughAnOrderAndASuperorderKeepTheFamilysLine) {
    FishWorld w;
    w.taxon(1360, 32, "alba", ", ", 1301);  // subspecies are not listed
    std::vector<std::string> said;
    site::RunControl run;
    run.progress = [&](const std::string& t) { said.push_back(t); };
    site::RunResult r = site::writeFamilySurvey(w.doc, w.env, 1200, run);
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.page, w.pisces() / "s1200.html");
    EXPECT_EQ(w.differenceFrom(r.page, "s1200.html"), "");
    EXPECT_NE(std::find(said.begin(), said.end(), "Family Osphronemidae Genus Betta Species splendens"), said.end());
}

TEST(FamilySurvey, EveryFamilyOfTheCatalogueGoesToItsOwnClassAndNoneIsShown) {
    FishWorld w;
    for (int i = 0; i < 38; ++i) w.taxon(3000 + i, 4096, "Familia" + std::to_string(100 + i), ", ", 2100);
    w.taxon(4000, 4096, "Astacidae", ", ", 10420, 10420);
    site::RunResult r = site::writeFamilySurveys(w.doc, w.env, {});
    EXPECT_EQ(r.pages, 41);
    EXPECT_TRUE(r.page.empty());
    EXPECT_EQ(w.pagesIn(w.pisces(), "s").size(), 40u);
    EXPECT_TRUE(fs::exists(w.workDir() / "Classes" / "Crustacea" / "s4000.html"));
    EXPECT_TRUE(w.launched.empty());
}

TEST(FamilySurvey, StopEndsTheRunBeforeTheNextFamily) {
    FishWorld w;
    StopAfter stop{1};
    site::RunResult r = site::writeFamilySurveys(w.doc, w.env, stop.control());
    // Anabantidae has no content to name; Osphronemidae names its first genus and stops there.
    EXPECT_EQ(r.pages, 2);
    EXPECT_EQ(stop.texts, (std::vector<std::string>{"Family Osphronemidae Genus Betta"}));
    const std::string page = bytesOf(w.pisces() / "s1200.html");
    EXPECT_EQ(count(page, "<li>"), 1);
    EXPECT_EQ(count(page, "<ul>"), count(page, "</ul>"));
}

TEST(HtmStair, TheTaxonAndEveryDescendantButSynonyms) {
    FishWorld w;
    site::RunResult r = site::writeDescendantPages(w.doc, w.env, 1200, "Family", {});
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.page, w.pisces() / "m1200.html");
    EXPECT_EQ(r.pages, 12);
    EXPECT_EQ(w.pagesIn(w.pisces()),
              (std::vector<std::string>{"m1200.html", "m1300.html", "m1301.html", "m1302.html", "m1303.html",
                                        "m1304.html", "m1305.html", "m1400.html", "m1401.html", "m1402.html",
                                        "m1403.html", "m1404.html"}));
    EXPECT_NE(bytesOf(w.pisces() / "m1200.html").find("<title>Family Osphronemidae</title>"), std::string::npos);
    EXPECT_NE(bytesOf(w.pisces() / "m1301.html").find("<title>Species splendens</title>"), std::string::npos);
    EXPECT_TRUE(w.launched.empty());
}

TEST(HtmStair, StopBetweenTwoTaxa) {
    FishWorld w;
    StopAfter stop{1};
    site::RunResult r = site::writeDescendantPages(w.doc, w.env, 1200, "Family", stop.control());
    EXPECT_EQ(stop.texts, (std::vector<std::string>{"Genus Betta"}));
    EXPECT_EQ(r.pages, 2);
    EXPECT_EQ(w.pagesIn(w.pisces()), (std::vector<std::string>{"m1200.html", "m1300.html"}));
}

TEST(HtmStair, AMissingTemplateEndsTheRunAfterOneMessage) {
    FishWorld w;
    fs::remove(w.workDir() / "blank.html");
    site::RunResult r = site::writeDescendantPages(w.doc, w.env, 1200, "Family", {});
    EXPECT_FALSE(r.written);
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_NE(w.prompter.lastText().find(" is absent!"), std::string::npos);
    EXPECT_TRUE(w.pagesIn(w.pisces()).empty());
}

TEST(HtmStair, AClassPageLinksItsParentInTheFolderAbove) {
    FishWorld w;
    ASSERT_TRUE(site::SpeciesPages(w.doc, w.env).write(14));
    const std::string page = bytesOf(w.pisces() / "m14.html");
    EXPECT_NE(page.find("<a href=\"../m4.html\">Vertebrata Lamarck, 1801 (Vertebrates)</a>"), std::string::npos)
        << page;
    EXPECT_NE(page.find("<a href=\"m1000.html\">"), std::string::npos);
}

TEST(WebServerLinks, OneSlashWhetherTheSettingEndsInOneOrNot) {
    FishWorld w;
    w.env.wwwServer = "http://www.reedmere.org/";
    site::writeFamilySurvey(w.doc, w.env, 1210, {});
    const std::string page = bytesOf(w.pisces() / "s1210.html");
    EXPECT_NE(page.find("<a href=\"http://www.reedmere.org/program.html\">"), std::string::npos) << page;
    EXPECT_EQ(page.find("//program.html"), std::string::npos);
    EXPECT_EQ(site::webPage("http://w", "program.html"), "http://w/program.html");
    EXPECT_EQ(site::webPage("http://w//", "program.html"), "http://w/program.html");
}
