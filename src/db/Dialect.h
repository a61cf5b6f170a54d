// The desktop engine's SQL dialect, as the program's filter and sort texts
// are written, turned into the SQL of the engine behind the connection.
#pragma once

#include <string>

#include "db/Odbc.h"

namespace db {

// Doubles every single quote, for a text put between single quotes in a filter.
std::string quoteText(const std::string& text);

// Rewrites #m/d/yyyy# and #m/d/yy# date literals, the truth literal YES and
// [bracketed names]; nothing inside single quotes is touched.
std::string toEngineSql(const std::string& desktopSql, Engine engine);

}  // namespace db
