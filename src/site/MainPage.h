// The site's main page "Reedmere.html": the high taxonomy from the root down
// to the classes as nested lists, and on the way the page of every taxon
// listed ("\Classes\m%lu.html" above the classes, each class's own page in
// its class directory), each with the links of the folder it stands in.
#pragma once

#include <functional>
#include <string>

#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"

namespace site {

inline constexpr const char* kMainPageFile = "\\Reedmere.html";
inline constexpr const char* kMainPageTitle = "<title>Main page of Reed Mere taxonomy</title>\n";

// Told "level name + blank + Latin name" before each taxon; may throw to
// end the run, which leaves the main page being written unwritten.
using TaxonLog = std::function<void(const std::string&)>;

// The main page's body below its header; pageEnv is what the taxon pages
// are written with (its prompter must serve the calling thread).
void writeMainPageBody(db::CFishesDoc& doc, const SiteEnv& pageEnv, PageOut& out, const TaxonLog& log);

// Writes the main page with the taxon pages; false (after the page
// skeleton's message) when it could not be written. Not shown.
bool writeMainPage(db::CFishesDoc& doc, const SiteEnv& env, const TaxonLog& log = {});

}  // namespace site
