#include "site/StalePages.h"

#include <filesystem>

#include "platform/WildcardFind.h"
#include "site/SpeciesPage.h"

namespace site {

namespace {

// Every page ("?" + code + ".html") and picture of the taxon in its class directory.
void removeFiles(const SiteEnv& env, const catalogue::StalePages::Removed& gone) {
    const std::string code = std::to_string(gone.cod);
    for (const std::string& pattern :
         {gone.classDir + "\\?" + code + ".html", gone.classDir + "\\Images\\?" + code + "_?.*"})
        for (const platform::FoundFile& f : platform::findFiles(env.path(pattern))) {
            std::error_code ec;
            std::filesystem::remove(f.path, ec);
        }
}

}  // namespace

void refreshStalePages(db::CFishesDoc& doc, const SiteEnv& env, const catalogue::StalePages& stale) {
    for (const auto& gone : stale.removed) removeFiles(env, gone);
    if (stale.rewrite.empty()) return;
    SpeciesPages pages(doc, env);
    for (std::int32_t cod : stale.rewrite) pages.rewriteIfExists(cod);
}

catalogue::StalePagesHandler pageRefresher(db::CFishesDoc& doc, SiteEnv env) {
    return [&doc, env](const catalogue::StalePages& stale) { refreshStalePages(doc, env, stale); };
}

}  // namespace site
