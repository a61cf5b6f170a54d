// A taxon's links (contacts of type 1, web links of type 0) and its
// description per language.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace catalogue {

constexpr const char* kHttpPrefix = "http://";
constexpr const char* kFtpPrefix = "ftp://";
constexpr const char* kNewLinkName = "*****";
constexpr int kMemberLink = 1;  // "Responsible member of Project support Committee"
constexpr int kWebLink = 0;     // "Links"

struct Link {
    std::int64_t rowId = 0;
    std::int32_t ofFish = 0;
    std::string name;
    std::string email;
    std::string http;
    std::string ftp;
    int type = 0;
};

// The taxon's links in the order read (by Name).
std::vector<Link> linksOf(db::CFishesDoc& doc, std::int32_t taxon);
// Links of one type that belong to other taxa.
std::vector<Link> linksOfOtherTaxa(db::CFishesDoc& doc, std::int32_t taxon, int type);
// The links of one type among a list, in order.
std::vector<Link> ofType(const std::vector<Link>& links, int type);

// A new link named "*****" with the bare prefixes.
Link addNewLink(db::CFishesDoc& doc, std::int32_t taxon, int type);
// A new record for the taxon with the same name, addresses and type.
Link copyLink(db::CFishesDoc& doc, const Link& from, std::int32_t taxon);
void deleteLink(db::CFishesDoc& doc, const Link& link);

// The address as the edits show it: without its prefix.
std::string shownAddress(const std::string& stored, const std::string& prefix);

// Each setter stores its field when it differs and says so.
bool setLinkHttp(db::CFishesDoc& doc, Link& link, const std::string& typed);
bool setLinkFtp(db::CFishesDoc& doc, Link& link, const std::string& typed);
bool setLinkEmail(db::CFishesDoc& doc, Link& link, const std::string& typed);
bool setLinkName(db::CFishesDoc& doc, Link& link, const std::string& typed);

// The taxon's description in a language; empty when none.
std::string descriptionOf(db::CFishesDoc& doc, std::int32_t taxon, int language);
// Stores the whole text, inserting the description record when missing.
bool storeDescription(db::CFishesDoc& doc, std::int32_t taxon, int language, const std::string& text);

}  // namespace catalogue
