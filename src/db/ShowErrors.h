// Runs one write of a window's handler; a database error ends that write
// and is shown as the data source's text, and the window stays usable.
#pragma once

#include <functional>

#include "platform/Prompter.h"

namespace db {

void showingDbErrors(platform::Prompter& prompter, const std::function<void()>& write);

}  // namespace db
