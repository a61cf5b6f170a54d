// Card fields packed as sub-fields joined by "|" (the keeping and spawning
// conditions): reading one sub-field and replacing one in place.
#pragma once

#include <string>
#include <vector>

namespace catalogue {

constexpr int kKeepFields = 7;   // empty: "||||||"
constexpr int kSpawnFields = 9;  // empty: "||||||||"

// The empty pattern of a packed field of count sub-fields.
std::string emptyPacked(int count);

// The sub-fields; missing ones read empty, the last runs to the end.
std::vector<std::string> unpack(const std::string& packed, int count);

// Sub-field k replaced by value; a field short of separators comes back complete.
std::string withSubField(const std::string& packed, int count, int k, const std::string& value);

}  // namespace catalogue
