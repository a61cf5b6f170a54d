// The English season and substrate lists of the cards, indexed as the
// packed sub-fields store them.
#pragma once

#include <string>
#include <vector>

namespace catalogue {

// "winter" .. "all seasons".
const std::vector<std::string>& seasonNames();
// "no need" .. "silt".
const std::vector<std::string>& substrateNames();

}  // namespace catalogue
