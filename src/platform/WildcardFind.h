// Files of one folder whose names match a pattern of "*" and "?".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

bool wildcardMatch(const std::string& pattern, const std::string& name);

struct FoundFile {
    std::filesystem::path path;
    std::uintmax_t size = 0;
};

// The pattern's folder part is taken as it is; its last part may hold wildcards.
// Results are sorted by name.
std::vector<FoundFile> findFiles(const std::filesystem::path& pattern);

}  // namespace platform
