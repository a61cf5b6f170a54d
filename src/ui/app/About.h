// The About box's text: the program and its version, where its shipped data,
// its database and its work directory are, and its licence.
#pragma once

#include <string>

#include "core/Settings.h"
#include "db/DataSource.h"

namespace app {

// One line each, in the interface language; the window caption comes first.
std::string aboutText(const core::Settings& settings, const db::DataSourceChoice& source);

}  // namespace app
