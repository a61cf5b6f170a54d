// Loads the starter catalogue shipped under data/catalogue into a new
// database, when one is shipped.
#pragma once

#include "db/Odbc.h"

namespace db {

void loadShippedStarterCatalogue(Connection& c);

}  // namespace db
