// Start-up on disk: the first run's directories, the second run's none,
// the class directory names and the site skeleton copy.
#include <gtest/gtest.h>

#include <fstream>

#include "core/WorkPaths.h"
#include "site/SiteSkeleton.h"
#include "common/TestEnv.h"

namespace fs = std::filesystem;

TEST(ClassDirectoryName, KeepsLettersDigitsBlanksAndUnderscores) {
    EXPECT_EQ(core::classDirectoryName("Pisces"), "Pisces");
    EXPECT_EQ(core::classDirectoryName("Insecta (s.l.) 2"), "Insecta _s_l__ 2");
    EXPECT_EQ(core::classDirectoryName("Рыбы и раки"), "Рыбы и раки");
    EXPECT_EQ(core::classDirectoryName("a/b\\c:d_e"), "a_b_c_d_e");
}

TEST(WorkPath, BackslashPathsLandUnderTheWorkDirectory) {
    EXPECT_EQ(core::workPath("/home/u/Fishes", "\\Reports\\period.html"), fs::path("/home/u/Fishes/Reports/period.html"));
    EXPECT_EQ(core::workPath("/w", "\\Classes\\Pisces\\Images"), fs::path("/w/Classes/Pisces/Images"));
}

TEST(Startup, FirstRunCreatesTheSiteDirectoriesAndSecondRunNone) {
    testenv::DocWorld w;
    {
        // A class whose name needs the directory rule.
        db::Fish& t = *w.doc.taxa;
        t.addNew();
        t.m_Lat_name = "Gastropoda (s.l.)";
        t.m_Author = "1111010011011110";
        t.m_Classific = 262144;
        t.m_Of_cod = 2;
        t.update();
    }
    platform::SettingsBackend store;
    core::Settings s;
    s.load(store);
    ASSERT_EQ(s.Install, 0);
    std::vector<std::string> steps;
    site::checkDirectories(s, w.doc, [&](const std::string& t) { steps.push_back(t); });
    fs::path work = s.Application_path;
    EXPECT_EQ(work, w.workDir());
    for (const char* d : {"Reports", "Other", "Classes", "Bulletin"}) EXPECT_TRUE(fs::is_directory(work / d)) << d;
    for (const char* c : {"Pisces", "Crustacea", "Dicotyledones", "Monocotyledones", "Polypodiopsida", "Musci",
                          "Gastropoda _s_l__"})
        EXPECT_TRUE(fs::is_directory(work / "Classes" / c / "Images")) << c;
    EXPECT_FALSE(fs::exists(work / "Help"));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "Check directories...");
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Create directory Gastropoda (s.l.)"), steps.end());
    EXPECT_EQ(s.Install, 1);
    s.save(store);

    // Second run: nothing is made again, even what was deleted meanwhile.
    fs::remove_all(work / "Reports");
    fs::remove_all(work / "Classes" / "Pisces");
    core::Settings again;
    again.load(store);
    EXPECT_EQ(again.Install, 1);
    site::checkDirectories(again, w.doc, nullptr);
    EXPECT_FALSE(fs::exists(work / "Reports"));
    EXPECT_FALSE(fs::exists(work / "Classes" / "Pisces"));
}

TEST(Startup, UnwritableWorkDirectoryDoesNotStopStartUp) {
    testenv::DocWorld w;
    core::Settings s;
    s.Install = 0;
    s.Application_path = "/proc/no-such-place/Fishes";
    EXPECT_NO_THROW(site::checkDirectories(s, w.doc, nullptr));
    EXPECT_EQ(s.Install, 1);
}

TEST(Startup, SkeletonCopyNeverOverwrites) {
    testenv::TempWorld world;
    fs::path skel = world.root() / "skel";
    fs::create_directories(skel / "Other");
    std::ofstream(skel / "blank.html") << "template";
    std::ofstream(skel / "Other" / "water.html") << "water";
    fs::path work = world.workDir();
    fs::create_directories(work);
    std::ofstream(work / "blank.html") << "mine";
    EXPECT_EQ(site::copySiteSkeleton(skel, work), 1);
    std::ifstream mine(work / "blank.html");
    std::string text;
    mine >> text;
    EXPECT_EQ(text, "mine");
    EXPECT_TRUE(fs::exists(work / "Other" / "water.html"));
    EXPECT_EQ(site::copySiteSkeleton(skel, work), 0);
}
