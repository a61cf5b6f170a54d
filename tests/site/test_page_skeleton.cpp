// The page frame: template copy, title, header and footer, the stamp, the
// messages of a page that cannot be written, and the viewer's command line.
#include <sys/stat.h>

#include <stdexcept>

#include <gtest/gtest.h>

#include "DataDir.h"
#include "SiteWorld.h"
#include "platform/ProcessStart.h"

using namespace sitetest;
using site::PageKind;

namespace {

const char* kSharedLines =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n"
    "<style>p { color: red }</style><link rel=\"stylesheet\" href=\"x.css\"></head><body bgcolor=\"#FFFFFF\">\r\n"
    "<p>Intro from the template</p>\n"
    "<div>dropped with its line</div></body></html>\n"
    "<p>after the end</p>\n";

void writeBody(site::PageOut& out) { out.write("<p>Рыбы 24°C</p>\n"); }

}  // namespace

TEST(PageSkeleton, SharedHeadAndBodyLinesGiveTheWholeExpectedPage) {
    SiteWorld w;
    writeBytes(w.workDir() / "blank.html", kSharedLines);
    fs::path page = w.pisces() / "m5.html";
    ASSERT_TRUE(site::writePage(w.env, page, "<title>Species Betta splendens</title>\n", PageKind::ClassPage, writeBody));
    EXPECT_EQ(bytesOf(page), bytesOf(expectedDir() / "skeleton_shared_lines.html"));
    EXPECT_TRUE(w.prompter.shown().empty());
    EXPECT_TRUE(w.launched.empty()) << "writing a page does not show it";
}

TEST(PageSkeleton, TemplateWithoutClosingTagsGetsOnlyItsLinesAndTheFooter) {
    SiteWorld w;
    writeBytes(w.workDir() / "blank.html", "<html>\n<head>\n</head>\n<body>\n<p>no closing tag</p>\n");
    fs::path page = w.workDir() / "Reports" / "fishes.html";
    fs::create_directories(page.parent_path());
    bool called = false;
    ASSERT_TRUE(site::writePage(w.env, page, "<title>Report</title>\n", PageKind::Report,
                                [&](site::PageOut&) { called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(bytesOf(page), bytesOf(expectedDir() / "skeleton_no_body.html"));

    // No "</head>" at all: no title either.
    writeBytes(w.workDir() / "blank.html", "<html>\n<body>\n");
    ASSERT_TRUE(site::writePage(w.env, page, "<title>Report</title>\n", PageKind::MainPage, writeBody));
    std::string bytes = bytesOf(page);
    EXPECT_EQ(bytes.find("<title>"), std::string::npos);
    EXPECT_EQ(bytes.rfind("<html>\r\n<body>\r\n<hr>\r\n<p align=\"center\">", 0), 0u);
}

TEST(PageSkeleton, MissingTemplateGivesTheMessageAndNoFile) {
    SiteWorld w;
    fs::remove(w.workDir() / "blank.html");
    fs::path page = w.pisces() / "m5.html";
    EXPECT_FALSE(site::writePage(w.env, page, "<title>x</title>\n", PageKind::ClassPage, writeBody));
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "blank.html").string() + " is absent!");
    EXPECT_FALSE(fs::exists(page));
    EXPECT_EQ(std::distance(fs::directory_iterator(w.pisces()), fs::directory_iterator()), 1) << "only Images";
}

TEST(PageSkeleton, UnwritableOutputKeepsTheOldPage) {
    SiteWorld w;
    fs::path page = w.pisces() / "m5.html";
    writeBytes(page, "old page");

    // Held read-only by another program.
    ::chmod(page.c_str(), 0444);
    EXPECT_FALSE(site::writePage(w.env, page, "<title>x</title>\n", PageKind::ClassPage, writeBody));
    EXPECT_EQ(w.prompter.lastText(), page.string() + " is already opened!");
    EXPECT_EQ(bytesOf(page), "old page");
    ::chmod(page.c_str(), 0644);

    // The folder is gone.
    fs::path lost = w.workDir() / "Classes" / "Nowhere" / "m5.html";
    EXPECT_FALSE(site::writePage(w.env, lost, "<title>x</title>\n", PageKind::ClassPage, writeBody));
    EXPECT_EQ(w.prompter.lastText(), lost.string() + " is already opened!");
}

TEST(PageSkeleton, BodyFailingHalfWayLeavesTheOldPageAndNoTemporaryFile) {
    SiteWorld w;
    fs::path page = w.pisces() / "m5.html";
    writeBytes(page, "old page");
    auto failing = [](site::PageOut& out) {
        out.write("<p>half</p>\n");
        throw std::runtime_error("database error");
    };
    EXPECT_THROW(site::writePage(w.env, page, "<title>x</title>\n", PageKind::ClassPage, failing),
                 std::runtime_error);
    EXPECT_EQ(bytesOf(page), "old page");
    std::vector<std::string> names;
    for (auto& e : fs::directory_iterator(w.pisces())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Images", "m5.html"}));

    // And a successful write replaces it.
    ASSERT_TRUE(site::writePage(w.env, page, "<title>x</title>\n", PageKind::ClassPage, writeBody));
    EXPECT_NE(bytesOf(page).find("<p>\xD0\xFB\xE1\xFB 24\xB0" "C</p>\r\n"), std::string::npos);
}

TEST(PageSkeleton, StampUsesEnglishMonthsAndLeadingZeros) {
    EXPECT_EQ(site::timeStamp(march3rd2007()), "09:05:07 03 Mar 2007");
    std::tm tm{};
    tm.tm_year = 99;
    tm.tm_mon = 11;
    tm.tm_mday = 31;
    tm.tm_hour = 23;
    tm.tm_min = 59;
    tm.tm_sec = 59;
    tm.tm_isdst = -1;
    EXPECT_EQ(site::timeStamp(std::mktime(&tm)), "23:59:59 31 Dec 1999");
}

TEST(PageSkeleton, FramesOfEachPageKind) {
    EXPECT_EQ(site::frameOf(PageKind::ClassesPage).prefix, "../");
    EXPECT_EQ(site::frameOf(PageKind::MainPage).prefix, "");
    EXPECT_FALSE(site::frameOf(PageKind::FamilySurvey).header);
    std::string survey = site::footerBlock(site::frameOf(PageKind::TaxonomySurvey), "http://w", "S");
    EXPECT_EQ(survey,
              "<hr>\n<p align=\"center\"><a href=\"../../Reedmere.html\">Back to Catalogue</a></p>"
              "<p align=\"center\"><a href=\"http://w/program.html\">\n"
              "<img src=\"../../Reedmere.jpg\" border=\"0\" alt=\"Autoprepared by Reed Mere at S\"></a></p>\n"
              "</body>\n</html>\n");
}

TEST(ShowPage, ViewerCommandIsJoinedToThePathWithNothingBetween) {
    EXPECT_EQ(site::commandLine("xdg-open ", "/home/u/Fishes/Classes/Pisces/m5.html"),
              "xdg-open /home/u/Fishes/Classes/Pisces/m5.html");
    EXPECT_EQ(site::commandLine("/usr/bin/viewer", "/w/m5.html"), "/usr/bin/viewer/w/m5.html");
    EXPECT_EQ(site::commandLine("viewer --page=", "/w/m5.html"), "viewer --page=/w/m5.html");

    // A class directory may hold blanks; the path still reaches the viewer whole.
    std::string line = site::commandLine("xdg-open ", "/w/Classes/Insecta s l/it's.html");
    EXPECT_EQ(platform::splitCommandLine(line),
              (std::vector<std::string>{"xdg-open", "/w/Classes/Insecta s l/it's.html"}));

    SiteWorld w;
    w.env.viewerCommand = "firefox ";
    w.env.editorCommand = "bluefish";
    EXPECT_TRUE(site::showPage(w.env, "/w/m5.html"));
    EXPECT_TRUE(site::editPage(w.env, "/w/m5.html"));
    EXPECT_EQ(w.launched, (std::vector<std::string>{"firefox /w/m5.html", "bluefish/w/m5.html"}));
}

TEST(ShippedSkeleton, TemplateImagesAndExplanatoryPagesAreThere) {
    const fs::path site = fs::path(REEDMERE_DATA_DIR) / "site";
    const std::string blank = bytesOf(site / "blank.html");
    EXPECT_NE(blank.find("charset=windows-1251"), std::string::npos);
    EXPECT_NE(blank.find("</head>"), std::string::npos);
    EXPECT_NE(blank.find("</body>"), std::string::npos);
    EXPECT_EQ(bytesOf(site / "logo.gif").rfind("GIF8", 0), 0u);
    for (const char* jpg : {"title.jpg", "Reedmere.jpg", "survey.jpg"})
        EXPECT_EQ(bytesOf(site / jpg).rfind("\xFF\xD8\xFF", 0), 0u) << jpg;
    // Every explanatory page a species page links to.
    for (const char* page : {"forage", "water", "tank", "waterch", "substrat", "push", "eggs", "larvas"}) {
        const std::string text = bytesOf(site / "Other" / (std::string(page) + ".html"));
        EXPECT_NE(text.find("charset=windows-1251"), std::string::npos) << page;
        EXPECT_GT(text.size(), 1000u) << page;
    }

    // A page written from the shipped template keeps its style lines.
    SiteWorld w;
    fs::copy_file(site / "blank.html", w.workDir() / "blank.html", fs::copy_options::overwrite_existing);
    fs::path page = w.pisces() / "m5.html";
    ASSERT_TRUE(site::writePage(w.env, page, "<title>t</title>\n", PageKind::ClassPage, writeBody));
    const std::string bytes = bytesOf(page);
    EXPECT_NE(bytes.find("<style>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("<title>t</title>\r\n</head>\r\n<body>\r\n<p align=\"center\">"), std::string::npos);
}
