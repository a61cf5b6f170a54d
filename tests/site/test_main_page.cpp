// The main page with the pages of the high taxonomy, the taxonomy report on
// the runner, and a link checker over a whole generated site.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <map>
#include <regex>
#include <set>

#include "SurveyWorld.h"
#include "platform/BackgroundWork.h"
#include "reports/TaxonomyReport.h"
#include "site/MainPage.h"
#include "site/SiteSkeleton.h"
#include "site/Surveys.h"

using namespace sitetest;

namespace {

struct HighWorld : SurveyWorld {
    HighWorld() {
        taxon(1000, 131072, "Acanthopterygii", "Gouan, 1770", 14);
        taxon(1100, 65536, "Perciformes", "Bleeker, 1859", 1000);
    }
};

// Every href and src of a page, as written.
std::vector<std::string> targetsOf(const std::string& page) {
    static const std::regex kAttr("(?:href|src)=\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> targets;
    for (std::sregex_iterator it(page.begin(), page.end(), kAttr), end; it != end; ++it) targets.push_back((*it)[1]);
    return targets;
}

bool external(const std::string& target) {
    for (const char* scheme : {"http:", "https:", "ftp:", "mailto:"})
        if (target.rfind(scheme, 0) == 0) return true;
    return false;
}

// The file a link of a page leads to (backslashes read as "/", as browsers do).
fs::path resolve(const fs::path& page, std::string target) {
    for (char& c : target)
        if (c == '\\') c = '/';
    target = target.substr(0, target.find('#'));
    return (page.parent_path() / target).lexically_normal();
}

// Follows every link and image from the main page; returns the pages
// reached and, in dangling, "page -> target" for each that leads nowhere.
std::set<fs::path> crawl(const fs::path& workDir, std::vector<std::string>& dangling) {
    std::set<fs::path> seen;
    std::vector<fs::path> pending{(workDir / "Reedmere.html").lexically_normal()};
    while (!pending.empty()) {
        const fs::path page = pending.back();
        pending.pop_back();
        if (!seen.insert(page).second) continue;
        for (const std::string& target : targetsOf(bytesOf(page))) {
            if (external(target)) continue;
            const fs::path file = resolve(page, target);
            if (!fs::is_regular_file(file)) {
                dangling.push_back(fs::relative(page, workDir).string() + " -> " + target);
                continue;
            }
            if (file.extension() == ".html") pending.push_back(file);
        }
    }
    return seen;
}

}  // namespace

TEST(MainPage, HighTaxonomyDownToTheClassesAndTheirPages) {
    HighWorld w;
    std::vector<std::string> items;
    ASSERT_TRUE(site::writeMainPage(w.doc, w.env, [&](const std::string& t) { items.push_back(t); }));
    EXPECT_EQ(w.differenceFrom(w.workDir() / "Reedmere.html", "Reedmere.html"), "");
    EXPECT_EQ(items.front(), "Kingdom Animalia");
    EXPECT_EQ(items.size(), 14u);  // 8 taxa above the classes and 6 classes
    // Children of the root lead back to the main page.
    EXPECT_EQ(w.differenceFrom(w.workDir() / "Classes" / "m2.html", "high_animalia.html"), "");
    // A class below a high taxon is linked into its class directory.
    EXPECT_EQ(w.differenceFrom(w.workDir() / "Classes" / "m4.html", "high_vertebrata.html"), "");
    // The class's own page, with the links of its class directory.
    EXPECT_EQ(w.differenceFrom(w.pisces() / "m14.html", "high_pisces.html"), "");
    EXPECT_FALSE(fs::exists(w.workDir() / "Classes" / "m1.html"));
    EXPECT_FALSE(fs::exists(w.pisces() / "m1000.html"));
    EXPECT_TRUE(w.launched.empty());
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(MainPage, AClassRightBelowTheRootLeadsToTheMainPage) {
    HighWorld w;
    w.taxon(9000, 262144, "Reptilia", "1111010011011110", 1, 9000);
    ASSERT_TRUE(site::writeMainPage(w.doc, w.env));
    const std::string page = bytesOf(w.workDir() / "Classes" / "Reptilia" / "m9000.html");
    EXPECT_NE(page.find("<tr>\r\n<td width=\"34%\"><strong><font color=\"#00FF00\" size=\"3\">\r\n"
                        "<a href=\"../../Reedmere.html\">Reed Mere main page</a></font></strong>\r\n"),
              std::string::npos)
        << page;
    EXPECT_NE(bytesOf(w.workDir() / "Reedmere.html").find("<a href=\"Classes\\Reptilia\\m9000.html\">Reptilia</a>"),
              std::string::npos);
}

TEST(MainPage, TheTaxonomyReportOnTheRunner) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    HighWorld w;
    platform::RecordingLog log;
    platform::BackgroundWork work(w.prompter, log);
    reports::ReportRunner runner(work, log);
    ASSERT_TRUE(reports::startTaxonomyReport(runner, work, w.doc, w.env));
    work.wait();
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Success);
    ASSERT_EQ(log.lines.size(), 16u);
    EXPECT_EQ(log.lines.front(), "************** Complete *************");
    EXPECT_EQ(log.lines[1], "Class Polypodiopsida");
    EXPECT_EQ(log.lines.back(), "************** Taxonomy report *************");
    EXPECT_EQ(w.differenceFrom(w.workDir() / "Reedmere.html", "Reedmere.html"), "");
    ASSERT_EQ(w.launched.size(), 1u);
    EXPECT_NE(w.launched[0].find("Reedmere.html"), std::string::npos);
}

TEST(MainPage, AHeldTaxonPageIsToldOnTheInterfaceThreadAndTheRunGoesOn) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    HighWorld w;
    fs::create_directories(w.workDir() / "Classes");
    writeBytes(w.workDir() / "Classes" / "m3.html", "held");
    fs::permissions(w.workDir() / "Classes" / "m3.html", fs::perms::owner_read);
    platform::RecordingLog log;
    platform::BackgroundWork work(w.prompter, log);
    reports::ReportRunner runner(work, log);
    ASSERT_TRUE(reports::startTaxonomyReport(runner, work, w.doc, w.env));
    work.wait();
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_NE(w.prompter.lastText().find("m3.html is already opened!"), std::string::npos);
    EXPECT_EQ(bytesOf(w.workDir() / "Classes" / "m3.html"), "held");
    EXPECT_TRUE(fs::exists(w.workDir() / "Classes" / "m4.html"));
    EXPECT_EQ(log.lines.front(), "************** Complete *************");
}

// The whole site of a small catalogue, as the commands write it: every link
// and picture of every page reached from the main page leads to a file.
TEST(SiteLinks, EveryLinkAndPictureOfAGeneratedSiteResolves) {
    HighWorld w;
    site::copySiteSkeleton(fs::path(REEDMERE_DATA_DIR) / "site", w.workDir());
    w.taxon(1200, 4096, "Osphronemidae", "van der Hoeven, 1832", 1100);
    w.taxon(1300, 512, "Betta", "Bleeker, 1850", 1200);
    w.taxon(1301, 64, "splendens", "Regan, 1910", 1300);
    w.taxon(1350, 1000000064, "rubra", "Perugia, 1893", 1301);
    w.taxon(1302, 64, "imbellis", ", ", 1300);
    w.taxon(1210, 4096, "Anabantidae", ", ", 1100);
    w.taxon(1220, 512, "Anabas", "Cuvier, 1816", 1210);
    w.taxon(1221, 64, "testudineus", "Bloch, 1792", 1220);
    w.exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Thailand',0)");
    w.exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Forage\",\"Forage_fr\",\"Keep_cond\",\"Spawn_cond\",\"Egg_quant\","
           "\"Egg_term\",\"Fr_perc\",\"Fr_term\",\"Of_fish\",\"Egg_size\",\"F_len\",\"Fr_len\",\"J_len\",\"M_len\") "
           "VALUES ('3','live food','infusoria','24-28|6.5-7.5|||40|weekly','26-30|6-7|4-8||1|20|5|9|rain',"
           "500,2,80,10,1301,'1','50','','','60'),"
           "('','flakes','','|||||||','||||||||',0,0,0,0,14,'','','','','')");
    // The breeder's own page of the habitat, as "\Other" holds them.
    writeBytes(w.workDir() / "Other" / "Thailand.html", "<html></html>");
    for (const char* f : {"m1301_a.jpg", "m1301_b.jpg", "f1300_a.jpg", "m14_a.jpg"}) w.touch(w.images() / f);
    fs::create_directories(w.workDir() / "Images");
    w.touch(w.workDir() / "Images" / "a4_a.jpg");  // a picture of a taxon above the classes

    // What the user runs: the htm-stair of the class, the surveys, the report.
    ASSERT_TRUE(site::writeDescendantPages(w.doc, w.env, 14, "Class", {}).written);
    ASSERT_TRUE(site::writeTaxonomySurvey(w.doc, w.env, 14, {}).written);
    ASSERT_EQ(site::writeFamilySurveys(w.doc, w.env, {}).pages, 2);
    ASSERT_TRUE(site::writeMainPage(w.doc, w.env));
    ASSERT_TRUE(w.prompter.shown().empty()) << w.prompter.lastText();

    EXPECT_NE(bytesOf(w.workDir() / "Classes" / "m3.html").find("<img src=\"..\\Images\\a4_a.jpg\""),
              std::string::npos);
    EXPECT_NE(bytesOf(w.pisces() / "m1000.html").find("<img src=\"Images\\m14_a.jpg\""), std::string::npos);

    std::vector<std::string> dangling;
    const std::set<fs::path> reached = crawl(w.workDir(), dangling);
    std::string list;
    for (const std::string& d : dangling) list += d + "\n";
    EXPECT_TRUE(dangling.empty()) << list;

    // Main page, class page, survey, family survey, species page and back.
    for (const fs::path& p : {w.pisces() / "m14.html", w.pisces() / "survey.html", w.pisces() / "s1200.html",
                              w.pisces() / "m1301.html", w.workDir() / "Classes" / "m2.html",
                              w.workDir() / "Other" / "push.html"})
        EXPECT_TRUE(reached.count(p.lexically_normal())) << p;
    // Every page written is reached.
    for (const auto& e : fs::recursive_directory_iterator(w.workDir() / "Classes"))
        if (e.path().extension() == ".html") EXPECT_TRUE(reached.count(e.path().lexically_normal())) << e.path();
}
