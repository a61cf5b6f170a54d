// The catalogue's page commands for one taxon: view its page (generated, or
// the class's page on the CD copy or the web server), edit it, and bring
// existing pages up to date after the taxon's card or names changed.
#pragma once

#include <cstdint>
#include <string>

#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"

namespace site {

// The menu's CD-ROM and WWW-server modes ("CD" wins when both are on).
struct ViewModes {
    bool cd = false;
    bool www = false;
    std::string cdDrive;  // a folder holding the CD copy of the work directory
};

ViewModes viewModes(const core::Settings& settings);

// What "View info about -" opens in the CD or WWW mode: the CD copy's or
// the server's "1.html" of the taxon's class; empty in the plain mode.
std::string remoteClassPage(const ViewModes& modes, const std::string& wwwServer, const std::string& classDir);

// "View info about -". In the CD mode an absent CD page falls back to the
// generated one. False when nothing could be shown.
bool viewTaxonPage(db::CFishesDoc& doc, const SiteEnv& env, const ViewModes& modes, std::int32_t cod,
                   const std::string& levelLabel = std::string());

// "Edit htm-file for -": generates the page and opens it in the editor.
bool editTaxonPage(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t cod,
                   const std::string& levelLabel = std::string());

// After a card closes: the pages of the taxon and of its children (no
// synonyms) that exist are written again. Returns how many were.
int rewriteExistingPages(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t cod);

}  // namespace site
