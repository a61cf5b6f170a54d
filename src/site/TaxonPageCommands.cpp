#include "site/TaxonPageCommands.h"

#include <vector>

#include "core/Settings.h"
#include "core/WorkPaths.h"
#include "site/SpeciesPage.h"

namespace site {

namespace fs = std::filesystem;

ViewModes viewModes(const core::Settings& s) { return ViewModes{s.CD != 0, s.WWW != 0, s.CD_drive}; }

std::string remoteClassPage(const ViewModes& modes, const std::string& www, const std::string& classDir) {
    if (modes.cd) return core::workPath(modes.cdDrive, classDir + "\\1.html").string();
    if (!modes.www) return std::string();
    std::string url = www;
    while (!url.empty() && url.back() == '/') url.pop_back();
    for (char c : classDir) url += c == '\\' ? '/' : c;
    return url + "/1.html";
}

bool viewTaxonPage(db::CFishesDoc& doc, const SiteEnv& env, const ViewModes& modes, std::int32_t cod,
                   const std::string& levelLabel) {
    std::optional<catalogue::Taxon> taxon = catalogue::findTaxon(doc, cod);
    if (!taxon) return false;
    SpeciesPages pages(doc, env);
    const std::string remote = remoteClassPage(modes, env.wwwServer, pages.classDirectory(*taxon));
    std::error_code ec;
    if (!remote.empty() && ((modes.www && !modes.cd) || fs::exists(remote, ec))) return showPage(env, remote);
    if (!pages.write(cod, levelLabel)) return false;
    return showPage(env, pages.pagePath(*taxon).string());
}

bool editTaxonPage(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t cod, const std::string& levelLabel) {
    std::optional<catalogue::Taxon> taxon = catalogue::findTaxon(doc, cod);
    if (!taxon) return false;
    SpeciesPages pages(doc, env);
    if (!pages.write(cod, levelLabel)) return false;
    return editPage(env, pages.pagePath(*taxon).string());
}

int rewriteExistingPages(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t cod) {
    std::vector<std::int32_t> codes{cod};
    db::Fish& rows = *doc.taxa2;
    rows.setFilter("Of_cod=" + std::to_string(cod) + " AND Classific<1000000000");
    rows.requery();
    for (; !rows.isEOF(); rows.moveNext()) codes.push_back(rows.m_Cod);
    SpeciesPages pages(doc, env);
    int written = 0;
    for (std::int32_t c : codes)
        if (pages.rewriteIfExists(c)) ++written;
    return written;
}

}  // namespace site
