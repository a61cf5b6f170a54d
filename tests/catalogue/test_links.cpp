// Links and descriptions of a taxon on a real database.
#include <gtest/gtest.h>

#include "catalogue/TaxonLinks.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;
using testtaxa::addTaxon;

TEST(TaxonLinks, NewLinkHoldsTheBarePrefixesAndShowsEmptyAddresses) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    Link l = addNewLink(w.doc, sp, kMemberLink);
    std::vector<Link> read = linksOf(w.doc, sp);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "*****");
    EXPECT_EQ(read[0].http, "http://");
    EXPECT_EQ(read[0].ftp, "ftp://");
    EXPECT_EQ(read[0].email, "");
    EXPECT_EQ(read[0].type, 1);
    EXPECT_EQ(shownAddress(read[0].http, kHttpPrefix), "");
    EXPECT_EQ(shownAddress(read[0].ftp, kFtpPrefix), "");
    EXPECT_EQ(shownAddress("www.tetra.de", kHttpPrefix), "www.tetra.de");  // no prefix, nothing cut
    EXPECT_TRUE(setLinkHttp(w.doc, l, "www.fishbase.org"));
    EXPECT_FALSE(setLinkHttp(w.doc, l, "www.fishbase.org"));
    EXPECT_FALSE(setLinkFtp(w.doc, l, ""));  // "ftp://" already
    EXPECT_TRUE(setLinkEmail(w.doc, l, "ichthyo@example.org"));
    EXPECT_TRUE(setLinkName(w.doc, l, "Dr. Weitzman"));
    read = linksOf(w.doc, sp);
    EXPECT_EQ(read[0].http, "http://www.fishbase.org");
    EXPECT_EQ(read[0].ftp, "ftp://");
    EXPECT_EQ(read[0].email, "ichthyo@example.org");
    EXPECT_EQ(read[0].name, "Dr. Weitzman");
}

TEST(TaxonLinks, EqualLinksAreEditedOneAtATime) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    Link a = addNewLink(w.doc, sp, kWebLink);
    Link b = addNewLink(w.doc, sp, kWebLink);
    setLinkName(w.doc, b, "Second");
    std::vector<Link> read = linksOf(w.doc, sp);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].name, "*****");
    EXPECT_EQ(read[0].rowId, a.rowId);
    deleteLink(w.doc, a);
    read = linksOf(w.doc, sp);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "Second");
}

TEST(TaxonLinks, SelectOffersOnlyLinksOfTheSameTypeOfOtherTaxa) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    std::int32_t other = addTaxon(w.doc, "axelrodi", 64, 14);
    Link own = addNewLink(w.doc, sp, kMemberLink);
    Link member = addNewLink(w.doc, other, kMemberLink);
    setLinkName(w.doc, member, "Committee member");
    setLinkHttp(w.doc, member, "member.example.org");
    addNewLink(w.doc, other, kWebLink);
    std::vector<Link> offered = linksOfOtherTaxa(w.doc, sp, kMemberLink);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].name, "Committee member");
    Link copy = copyLink(w.doc, offered[0], sp);
    EXPECT_NE(copy.rowId, member.rowId);
    std::vector<Link> mine = ofType(linksOf(w.doc, sp), kMemberLink);
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_EQ(mine[0].name, "*****");
    EXPECT_EQ(mine[1].http, "http://member.example.org");
    EXPECT_EQ(linksOf(w.doc, other).size(), 2u);  // the original stays where it was
    EXPECT_EQ(own.type, 1);
}

TEST(Descriptions, TextIsKeptPerLanguage) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    EXPECT_TRUE(storeDescription(w.doc, sp, 1, "Стайная рыба."));
    EXPECT_EQ(w.scalar("SELECT \"Language\" FROM \"Description\" WHERE \"Of_fish\"=" + std::to_string(sp)), "1");
    EXPECT_EQ(descriptionOf(w.doc, sp, 0), "");
    EXPECT_EQ(descriptionOf(w.doc, sp, 1), "Стайная рыба.");
    std::string memo(100000, 'x');
    EXPECT_TRUE(storeDescription(w.doc, sp, 1, memo));
    EXPECT_EQ(descriptionOf(w.doc, sp, 1).size(), memo.size());
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Description\""), "1");
}
