// The bulletin: the breeder's file (class lines, the cell format with the
// euro byte, size texts that would shift the cells), reading it back, and
// the page made from every breeder's file, hostile files included; the
// reader fuzzed with generated files.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "PriceWorld.h"
#include "reports/Bulletin.h"

using namespace reporttest;

namespace {

bool writeBulletinFile(PriceWorld& w, int number, std::vector<std::string>* items = nullptr) {
    auto report = reports::bulletinFile(w.context, number);
    EXPECT_EQ(report->logTitle(), "************** Price List *************");
    return reports::writeAndShow(*report, w.context.env, [&](const std::string& i) {
        if (items) items->push_back(i);
    });
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string pageText(PriceWorld& w) { return platform::cp1251ToUtf8(bytesOf(w.bulletin("bulletin.html"))); }

// Two breeders' files as they come from other farms, one naming a species
// this catalogue lacks.
struct TwoBreeders : PriceWorld {
    TwoBreeders() {
        taxonWithCode(1234, "Tropheus", 512, family, 14);
        taxonWithCode(1235, "moorii", 64, 1234, 14);
        commonName(1235, "Blunthead cichlid", 0);
        sitetest::writeBytes(bulletin("2.bul"),
                             platform::utf8ToCp1251("01.03.2007,Ферма Рид") + "\r\n[14]\r\n1235,,,25-30|12|2.50-1.80 \x88,,40-50|3|12.00-9.00 \x88\r\n"
                             "99999,10-15|100|0.80-0.50 \x88,,,,\r\n[12129]\r\n" +
                                 std::to_string(moss) + ",3|20|1.00-0.70 \x88,,,,\r\n");
        sitetest::writeBytes(bulletin("10.bul"), "28.02.2007,Aqua Farm\r\n[14]\r\n" + std::to_string(species) +
                                                     ",,,,,30-40|4|15.00-11.00 \x88\r\n");
    }
};

}  // namespace

// ---- the breeder's file -------------------------------------------------------

TEST(BulletinFile, PlantsOnlyStillBeginWithTheFishesClassLine) {
    PriceWorld w;
    int monocotGenus = w.taxon("Cryptocoryne", 512, 12129, 12129);
    int crypt = w.taxon("wendtii", 64, monocotGenus, 12129);
    w.card(crypt, {"5-8", "", "", "", "15"}, 300);
    w.offer({.taxon = crypt, .size = 0, .fries = 7});
    w.offer({.taxon = crypt, .size = 0, .fries = 5, .forSale = false});  // held: not offered
    std::vector<std::string> items;
    ASSERT_TRUE(writeBulletinFile(w, 7, &items));
    EXPECT_EQ(bytesOf(w.bulletin("7.bul")), "03.03.2007,Reed\r\n[14]\r\n[12129]\r\n" + std::to_string(crypt) +
                                                ",5-8|7|3.00-1.50 \x88,,,,\r\n");
    EXPECT_EQ(items, (std::vector<std::string>{"       Cryptocoryne wendtii "}));
    EXPECT_TRUE(w.launched.empty());  // a data file is not shown
}

TEST(BulletinFile, JuvenilesOnlyLineWithTheEuroByteAndClassesInOrder) {
    PriceWorld w;
    w.context.farmName = "Ферма Рид";
    w.taxonWithCode(1234, "moorii", 64, w.genus, 14);
    w.card(1234, {"10-15", "15-20", "25-30", "30-35", "40-50"}, 250);
    w.exec("UPDATE \"Price\" SET \"Price_m\"=250, \"Price_m_ws\"=180 WHERE \"Of_cod\"=1234");
    w.offer({.taxon = 1234, .size = 2, .fries = 5});
    w.offer({.taxon = 1234, .size = 2, .fries = 7});
    w.card(w.shrimp, {"5", "", "", "", "20"}, 100);
    w.offer({.taxon = w.shrimp, .size = 4, .males = 2, .females = 2});
    w.card(w.moss, {"3", "", "", "", ""}, 50);
    w.offer({.taxon = w.moss, .size = 0, .fries = 9});
    ASSERT_TRUE(writeBulletinFile(w, 1));
    // The moss follows the crustaceans' class line: its class has none.
    EXPECT_EQ(bytesOf(w.bulletin("1.bul")), "03.03.2007,\xD4\xE5\xF0\xEC\xE0 \xD0\xE8\xE4\r\n[14]\r\n"
                                            "1234,,,25-30|12|2.50-1.80 \x88,,\r\n"
                                            "[10420]\r\n" + std::to_string(w.shrimp) +
                                                ",,,,,20|4|5.00-4.50 \x88\r\n" + std::to_string(w.moss) +
                                                ",3|9|0.50-0.25 \x88,,,,\r\n");
}

TEST(BulletinFile, SizeTextsCannotShiftTheCells) {
    PriceWorld w;
    w.card(w.species, {"10,5|12", "", "", "", ""}, 250);
    w.offer({.taxon = w.species, .size = 0, .fries = 3});
    ASSERT_TRUE(writeBulletinFile(w, 3));
    const std::string file = bytesOf(w.bulletin("3.bul"));
    EXPECT_TRUE(contains(file, std::to_string(w.species) + ",10/5/12|3|2.50-1.25 \x88,,,,\r\n"));
    reports::BulletinSection read;
    ASSERT_TRUE(reports::readBulletinFile(w.bulletin("3.bul"), read));
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[1].cells[0].size, "10/5/12");
    EXPECT_EQ(read.lines[1].cells[0].number, "3");
    EXPECT_EQ(read.lines[1].cells[0].prices, "2.50-1.25 €");
}

TEST(BulletinFile, UnwritableFileKeepsTheEarlierOne) {
    PriceWorld w;
    sitetest::writeBytes(w.bulletin("4.bul"), "earlier");
    // A folder of the file's name cannot be replaced by the file.
    fs::create_directories(w.bulletin("5.bul"));
    EXPECT_FALSE(writeBulletinFile(w, 5));
    EXPECT_EQ(w.prompter.lastText(), w.bulletin("5.bul").string() + " is already opened!");
    EXPECT_EQ(bytesOf(w.bulletin("4.bul")), "earlier");
}

// ---- the page -------------------------------------------------------------------

TEST(BulletinPage, NoFilesGiveTheHeadingOnly) {
    PriceWorld w;
    ASSERT_TRUE(reports::makeBulletin(w.context));
    EXPECT_TRUE(w.samePriceList(w.bulletin("bulletin.html"), "bulletin_empty.html"));
    EXPECT_EQ(w.launched, (std::vector<std::string>{"xdg-open " + w.bulletin("bulletin.html").string()}));
}

TEST(BulletinPage, TwoBreedersInNameOrder) {
    TwoBreeders w;
    ASSERT_TRUE(reports::makeBulletin(w.context));
    EXPECT_TRUE(w.samePriceList(w.bulletin("bulletin.html"), "bulletin_two.html"));
    const std::string page = pageText(w);
    // "10.bul" sorts before "2.bul"; the unknown code is named by its number.
    EXPECT_LT(page.find("Aqua Farm"), page.find("Ферма Рид"));
    EXPECT_TRUE(contains(page, "<td><p align=\"center\"><font size=\"2\">40-50 мм<br>\r\n<font color=\"#00F0F0\">3 шт. "
                               "</font>12.00-9.00 €</td>"));
    EXPECT_TRUE(contains(page, "<b>#99999</b></font></p></td>"));
}

TEST(BulletinPage, WrittenFileReadsBack) {
    PriceWorld w;
    w.card(w.species, {"10-15", "", "", "", "40"}, 250);
    w.offer({.taxon = w.species, .size = 0, .fries = 3});
    w.offer({.taxon = w.species, .size = 4, .males = 1, .females = 1});
    ASSERT_TRUE(writeBulletinFile(w, 1));
    ASSERT_TRUE(reports::makeBulletin(w.context));
    const std::string page = pageText(w);
    EXPECT_TRUE(contains(page, "<b>Reed предлагает следующие позиции: </b>"));
    EXPECT_TRUE(contains(page, "(дата подачи информации - 03.03.2007)"));
    EXPECT_TRUE(contains(page, "<b>Apistogramma agassizii</b></font></p></td>\r\n<td><p align=\"center\"><font "
                               "size=\"2\">10-15 мм<br>\r\n<font color=\"#00F0F0\">3 шт. </font>2.50-1.25 €</td>\r\n"
                               "<td></td>\r\n<td></td>\r\n<td></td>\r\n<td><p align=\"center\"><font size=\"2\">40 мм"));
}

TEST(BulletinPage, HostileFilesAreShownAsTextOrEndTheirSection) {
    PriceWorld w;
    const std::string code = std::to_string(w.species);
    sitetest::writeBytes(w.bulletin("a.bul"), "<b>01.03</b>,<script>alert(1)</script> & Co\r\n[14]\r\n" + code +
                                                  ",<i>5</i>|8|\"1.00\" \x88,,,,\r\n");
    sitetest::writeBytes(w.bulletin("b.bul"), "01.03.2007,Long\r\n[14]\r\n" + code + ",1|1|1,,,,\r\n" +
                                                  std::string(1 << 20, 'x') + "\r\n" + code + ",2|2|2,,,,\r\n");
    std::string binary = "02.03.2007,Binary\r\n[14]\r\n" + code + ",3|3|3,,,,\r\n";
    std::mt19937 random(7);
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(random() & 0xFF);
    sitetest::writeBytes(w.bulletin("c.bul"), binary);
    sitetest::writeBytes(w.bulletin("d.bul"), "03.03.2007,Commas\r\n,,,,,,,,,,\r\n" + code + ",4|4|4,,,,\r\n");
    sitetest::writeBytes(w.bulletin("e.bul"), "04.03.2007,Short\r\n[14]\r\n" + code + ",5|5\r\n" + code + ",6\r\n");
    sitetest::writeBytes(w.bulletin("f.bul"), std::string(1 << 20, 'y'));  // no line at all to read
    sitetest::writeBytes(w.bulletin("g.bul"), "");
    sitetest::writeBytes(w.bulletin("h.bul"), "05.03.2007,Unknown\r\n[99]\r\n77777,,,,,1|1|1\r\n[abc]\r\n" + code +
                                                  ",7|7|7,,,,\r\n");
    ASSERT_TRUE(reports::makeBulletin(w.context));
    const std::string page = pageText(w);
    EXPECT_FALSE(contains(page, "<script>"));
    EXPECT_TRUE(contains(page, "&lt;script&gt;alert(1)&lt;/script&gt; &amp; Co предлагает"));
    EXPECT_TRUE(contains(page, "(дата подачи информации - &lt;b&gt;01.03&lt;/b&gt;)"));
    EXPECT_TRUE(contains(page, "&lt;i&gt;5&lt;/i&gt; мм<br>\r\n<font color=\"#00F0F0\">8 шт. </font>&quot;1.00&quot; €"));
    // Each section ends at its first unreadable line.
    EXPECT_TRUE(contains(page, ">1 шт. </font>1</td>"));
    EXPECT_FALSE(contains(page, ">2 шт. "));
    EXPECT_FALSE(contains(page, "xxxx"));
    EXPECT_TRUE(contains(page, ">3 шт. </font>3</td>"));
    EXPECT_FALSE(contains(page, ">4 шт. "));
    EXPECT_FALSE(contains(page, ">5 шт. "));
    EXPECT_FALSE(contains(page, ">6 шт. "));
    EXPECT_FALSE(contains(page, ">7 шт. "));
    EXPECT_FALSE(contains(page, "yyyy"));
    // Binary and commas end their sections but keep their headings.
    for (const char* farm : {"Long", "Binary", "Commas", "Short", "Unknown"}) EXPECT_TRUE(contains(page, farm)) << farm;
    EXPECT_TRUE(contains(page, "<b>Прочее</b>"));
    EXPECT_TRUE(contains(page, "<b>#77777</b>"));
    // Six readable files: six tables.
    std::size_t tables = 0;
    for (std::size_t at = page.find("</table>"); at != std::string::npos; at = page.find("</table>", at + 1)) ++tables;
    EXPECT_EQ(tables, 6u);
    EXPECT_LT(page.size(), 100000u);
}

TEST(BulletinPage, TemplateIsCheckedBeforeThePageIsTouched) {
    PriceWorld w;
    sitetest::writeBytes(w.bulletin("bulletin.html"), "earlier");
    fs::remove(w.workDir() / "for_bul.html");
    EXPECT_FALSE(reports::makeBulletin(w.context));
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "for_bul.html").string() + " is absent!");
    EXPECT_EQ(bytesOf(w.bulletin("bulletin.html")), "earlier");
    EXPECT_TRUE(w.launched.empty());
}

// ---- the reader, fuzzed -------------------------------------------------------------

namespace {

// Lines a bulletin file may hold, whole or damaged.
std::string fuzzLine(std::mt19937& random) {
    static const char* const kPieces[] = {"[14]", "[12129]", "[", "]", "1234", ",", "|", "25-30", "2.50-1.80 \x88",
                                          "\r", "\n", "\x00", "\xFF", "\x98", "<script>", "&", "\"", "99999999999",
                                          "-5", " ", "12", ",,,,"};
    std::string line;
    const int pieces = static_cast<int>(random() % 14);
    for (int i = 0; i < pieces; ++i) {
        const char* piece = kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
        line += piece[0] == '\0' && random() % 2 ? std::string(1, '\0') : std::string(piece);
    }
    if (random() % 50 == 0) line += std::string(random() % 9000, static_cast<char>('a' + random() % 26));
    return line;
}

bool allDigits(const std::string& s) {
    return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

TEST(BulletinReader, FuzzedFilesAreReadWithinTheirBounds) {
    std::mt19937 random(20070303);
    const auto start = std::chrono::steady_clock::now();
    int files = 0, withHeader = 0;
    for (; files < 4000 && std::chrono::steady_clock::now() - start < std::chrono::seconds(20); ++files) {
        std::string bytes = random() % 3 ? "01.03.2007,Farm\r\n" : "";
        const int lines = static_cast<int>(random() % 40);
        for (int i = 0; i < lines; ++i) {
            bytes += random() % 2 ? "1234,,,25-30|12|2.50-1.80 \x88,," : fuzzLine(random);
            bytes += random() % 10 ? "\r\n" : "\n";
        }
        if (random() % 5 == 0 && !bytes.empty()) bytes.resize(random() % bytes.size());  // truncated
        reports::BulletinSection s;
        if (!reports::parseBulletin(bytes, s)) continue;
        ++withHeader;
        ASSERT_LE(s.lines.size(), static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
        for (const reports::BulletinLine& l : s.lines) {
            ASSERT_GE(l.code, 0);
            for (const reports::BulletinCell& c : l.cells) {
                if (c.empty()) continue;
                ASSERT_TRUE(allDigits(c.number)) << c.number;
                ASSERT_EQ(c.size.find_first_of(",|\r\n"), std::string::npos);
                ASSERT_EQ(c.prices.find_first_of(",|\r\n"), std::string::npos);
                ASSERT_LE(c.size.size() + c.prices.size(), 2 * reports::kBulletinLineLimit);
            }
        }
        ASSERT_LE(s.farm.size(), 2 * reports::kBulletinLineLimit);
    }
    EXPECT_GE(files, 1000);
    EXPECT_GT(withHeader, files / 3);
}

TEST(BulletinReader, CleanLinesReadBackExactly) {
    reports::BulletinSection s;
    ASSERT_TRUE(reports::parseBulletin("01.03.2007,Farm, with comma\r\n[14]\r\n\r\n1234,,,25-30|12|2.50-1.80 \x88,,\r\n"
                                       "[12129]\r\n77,1|2|3,4|5|6,,,7|8|9",
                                       s));
    EXPECT_EQ(s.date, "01.03.2007");
    EXPECT_EQ(s.farm, "Farm, with comma");
    ASSERT_EQ(s.lines.size(), 4u);
    EXPECT_TRUE(s.lines[0].classLine);
    EXPECT_EQ(s.lines[0].code, 14);
    EXPECT_EQ(s.lines[1].code, 1234);
    EXPECT_TRUE(s.lines[1].cells[0].empty());
    EXPECT_EQ(s.lines[1].cells[2].size, "25-30");
    EXPECT_EQ(s.lines[1].cells[2].number, "12");
    EXPECT_EQ(s.lines[1].cells[2].prices, "2.50-1.80 €");
    EXPECT_EQ(s.lines[2].code, 12129);
    EXPECT_EQ(s.lines[3].cells[4].prices, "9");
}
