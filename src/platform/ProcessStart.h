// Starting the HTML viewer or editor: a command text joined to a page's path
// with nothing between, split by shell rules and started detached.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Splits by shell rules (blanks, single and double quotes, backslash).
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// False when the command is empty or cannot be started.
bool startDetached(const std::string& commandLine);

}  // namespace platform
