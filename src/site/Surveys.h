// The catalogue's generation runs: the taxonomy survey "survey.html" of the
// fishes down to the families, the family surveys "s%lu.html" down to the
// species, and the pages of a taxon and all its descendants. Each run checks
// its stop before every taxon and names each taxon it works on; a stopped
// page is still closed with its footer and replaces the older file whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"
#include "site/TaxonRuns.h"

namespace site {

inline constexpr const char* kSurveyClass = "Pisces";

// What a run wrote; page is the file to show at its end.
struct RunResult {
    bool written = false;
    std::filesystem::path page;
    int pages = 0;  // pages written in all
};

// "Taxonomy survey": the survey of the class "Pisces", written into its own
// class directory (into shownClass's when there is no such class).
RunResult writeTaxonomySurvey(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t shownClass,
                              const RunControl& run);

// "Family... survey": the survey of one family, in its class directory.
RunResult writeFamilySurvey(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t family, const RunControl& run);

// "Families surveys": the survey of every family of the catalogue in table
// order, each in its own class directory. Ends at the first page that
// cannot be written.
RunResult writeFamilySurveys(db::CFishesDoc& doc, const SiteEnv& env, const RunControl& run);

// "Add htm-stair for -": the taxon's page (levelLabel as the catalogue shows
// its level), then the pages of all its descendants that are not synonyms.
// Ends at the first page that cannot be written.
RunResult writeDescendantPages(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t taxon,
                               const std::string& levelLabel, const RunControl& run);

}  // namespace site
