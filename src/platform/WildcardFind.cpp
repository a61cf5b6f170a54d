#include "platform/WildcardFind.h"

#include <algorithm>

namespace platform {

namespace fs = std::filesystem;

bool wildcardMatch(const std::string& pattern, const std::string& name) {
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<FoundFile> findFiles(const fs::path& pattern) {
    std::vector<FoundFile> found;
    fs::path dir = pattern.parent_path();
    if (dir.empty()) dir = ".";
    const std::string mask = pattern.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string name = it->path().filename().string();
        if (!wildcardMatch(mask, name)) continue;
        found.push_back({it->path(), it->file_size(ec)});
    }
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.path.filename() < b.path.filename(); });
    return found;
}

}  // namespace platform
