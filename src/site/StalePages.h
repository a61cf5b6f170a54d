// The site's answer to a catalogue edit: the existing pages of the taxa
// around it written again, the pages and pictures of a deleted taxon removed.
#pragma once

#include "catalogue/TaxonEditing.h"
#include "db/CFishesDoc.h"
#include "site/PageSkeleton.h"

namespace site {

void refreshStalePages(db::CFishesDoc& doc, const SiteEnv& env, const catalogue::StalePages& stale);

// A handler for catalogue::EditingContext that refreshes through env.
catalogue::StalePagesHandler pageRefresher(db::CFishesDoc& doc, SiteEnv env);

}  // namespace site
