#include "db/StarterCatalogueHook.h"

#include "db/DataSource.h"
#include "db/StarterCatalogue.h"

namespace db {

void loadShippedStarterCatalogue(Connection& c) { loadStarterCatalogue(c, shippedDataDir() / "catalogue"); }

}  // namespace db
