// A row whose text is not valid UTF-8 still gives a whole page: each bad
// sequence is one replacement and the markup after it is intact.
#include <gtest/gtest.h>

#include "SiteWorld.h"

using namespace sitetest;

TEST(MalformedText, TitleAndBodyKeepTheirMarkup) {
    SiteWorld w;
    fs::path page = w.pisces() / "m9.html";
    ASSERT_TRUE(site::writePage(w.env, page, "<title>Species Betta\xE2\x82</title>\n", site::PageKind::ClassPage,
                                [](site::PageOut& out) { out.write("<p>\xD0</p><p>\xC3\xA9t\xE9</p>\n"); }));
    std::string bytes = bytesOf(page);
    EXPECT_NE(bytes.find("<title>Species Betta&#65533;</title>\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("<p>&#65533;</p><p>&#233;t&#65533;</p>\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("</html>"), std::string::npos);
}
