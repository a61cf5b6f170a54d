// The desktop engine's SQL dialect, as the program's filter and sort texts
// are written, turned into the SQL of the engine behind the connection.
#pragma once

#include <string>

#include "db/Odbc.h"

namespace db {

// Doubles every single quote, for a text put between single quotes in a filter.
std::string quoteText(const std::string& text);

// Rewrites a filter or sort text for the engine: every name of the fifteen
// tables and their columns (bare, in [brackets], any case) is written
// double-quoted as the schema spells it; #m/d/yyyy# and #m/d/yy# date
// literals become the engine's timestamp literal; the truth literal YES
// becomes what the column before it compares with. Nothing inside single
// quotes or double quotes is touched, nor a word followed by "(" (a function).
std::string toEngineSql(const std::string& desktopSql, Engine engine);

// The schema's spelling of a table or column name, found without regard to
// case ("" when neither of the fifteen tables knows it).
std::string schemaName(const std::string& name);

}  // namespace db
