// The platform adapters: Windows-1251 at the file boundary, the CR LF
// writer, the wildcard finder and the command-line splitter.
#include <gtest/gtest.h>

#include <fstream>

#include "common/TestEnv.h"
#include "platform/Codec.h"
#include "platform/ProcessStart.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "platform/WildcardFind.h"

namespace fs = std::filesystem;
using namespace platform;

TEST(Codec, UnitSignsAndCyrillicBecomeTheirBytes) {
    EXPECT_EQ(utf8ToCp1251("°‰€луе"), std::string("\xB0\x89\x88\xEB\xF3\xE5"));
    EXPECT_EQ(utf8ToCp1251("Рыбы"), std::string("\xD0\xFB\xE1\xFB"));
    EXPECT_EQ(cp1251ToUtf8(std::string("\xD0\xFB\xE1\xFB \xB0")), "Рыбы °");
}

TEST(Codec, UnmappableCharactersByMode) {
    EXPECT_EQ(utf8ToCp1251("Géry"), "G&#233;ry");
    EXPECT_EQ(utf8ToCp1251("Géry", Unmappable::QuestionMark), "G?ry");
    EXPECT_EQ(utf8ToCp1251("魚", Unmappable::CharacterReference), "&#39770;");
}

TEST(TextFile, WritesCrLfAndReplacesOnlyWhenComplete) {
    testenv::TempWorld world;
    fs::path page = world.root() / "page.html";
    {
        TextFileWriter w;
        ASSERT_TRUE(w.open(page));
        w.writeLine("<p>Рыбы 24°C</p>");
        w.write("a\nb");
        ASSERT_TRUE(w.commit());
    }
    std::string bytes;
    ASSERT_TRUE(readBytes(page, bytes));
    EXPECT_EQ(bytes, std::string("<p>\xD0\xFB\xE1\xFB 24\xB0" "C</p>\r\na\r\nb"));
    {
        TextFileWriter w;
        ASSERT_TRUE(w.open(page));
        w.writeLine("half a page");
        w.abandon();  // a failure half-way
    }
    std::string after;
    readBytes(page, after);
    EXPECT_EQ(after, bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(world.root()), fs::directory_iterator()), 5)
        << "no temporary file may be left";  // home, config, data, odbc.ini, page.html
    TextFileWriter none;
    EXPECT_FALSE(none.open(world.root() / "missing-dir" / "x.html"));
    std::vector<std::string> lines;
    ASSERT_TRUE(readCp1251Lines(page, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"<p>Рыбы 24°C</p>", "a", "b"}));
}

TEST(WildcardFind, MatchesStarAndQuestionMark) {
    EXPECT_TRUE(wildcardMatch("?14.html", "m14.html"));
    EXPECT_TRUE(wildcardMatch("?14.html", "s14.html"));
    EXPECT_FALSE(wildcardMatch("?14.html", "m140.html"));
    EXPECT_FALSE(wildcardMatch("?14.html", "14.html"));
    EXPECT_TRUE(wildcardMatch("?14_?.*", "m14_a.jpg"));
    EXPECT_FALSE(wildcardMatch("?14_?.*", "m14_ab.jpg"));
    EXPECT_TRUE(wildcardMatch("*", ""));
    EXPECT_TRUE(wildcardMatch("*.bul", "farm.bul"));
}

TEST(WildcardFind, FindsFilesWithSizesSortedByName) {
    testenv::TempWorld world;
    fs::path dir = world.root() / "Images";
    fs::create_directories(dir);
    std::ofstream(dir / "m5_b.gif") << "12345";
    std::ofstream(dir / "m5_a.jpg") << "123";
    std::ofstream(dir / "m50_a.jpg") << "1";
    auto found = findFiles(dir / "?5_?.*");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].path.filename(), "m5_a.jpg");
    EXPECT_EQ(found[0].size, 3u);
    EXPECT_EQ(found[1].path.filename(), "m5_b.gif");
    EXPECT_TRUE(findFiles(world.root() / "nowhere" / "*").empty());
}

TEST(ProcessStart, SplitsByShellRules) {
    EXPECT_EQ(splitCommandLine("xdg-open /home/u/Fishes/m14.html"),
              (std::vector<std::string>{"xdg-open", "/home/u/Fishes/m14.html"}));
    EXPECT_EQ(splitCommandLine("\"/opt/my viewer/bin\" --new 'a b'\\ c"),
              (std::vector<std::string>{"/opt/my viewer/bin", "--new", "a b c"}));
    EXPECT_TRUE(splitCommandLine("   ").empty());
    EXPECT_FALSE(startDetached(""));
}

TEST(Prompter, ScriptedAnswersAndRecordedTexts) {
    ScriptedPrompter p;
    p.answerNext(Answer::Yes);
    EXPECT_EQ(p.ask("      Are you sure?"), Answer::Yes);
    p.tell("Inadmissible value!", MessageKind::Error);
    EXPECT_THROW(p.ask("again?"), std::logic_error);
    ASSERT_EQ(p.shown().size(), 3u);
    EXPECT_EQ(p.shown()[0].text, "      Are you sure?");
    EXPECT_TRUE(p.shown()[0].question);
    EXPECT_FALSE(p.shown()[1].question);
    RecordingLog log;
    log.line("first");
    log.line("second");
    EXPECT_EQ(log.lines.front(), "second");
}
