#include "site/CardLists.h"

namespace site {

namespace {

const char* const kSeasons[kListEntries] = {"winter",        "spring",        "summer",        "autumn",
                                            "winter-spring", "spring-summer", "summer-autumn", "autumn-winter",
                                            "spring-autumn", "autumn-spring", "all seasons"};
const char* const kSubstrates[kListEntries] = {"no need", "flat stone",  "gravel",         "rocks",
                                               "cave",    "sand",        "snail shell",    "big-leaf plant",
                                               "overgrowth", "surface plants", "silt"};

int indexOf(const std::string& piece) {
    if (piece.empty() || piece.size() > 3) return -1;
    int n = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string entry(const char* const* list, const std::string& piece) {
    int n = indexOf(piece);
    return n >= 0 && n < kListEntries ? list[n] : piece;
}

}  // namespace

std::string seasonText(int index) { return index >= 0 && index < kListEntries ? kSeasons[index] : ""; }
std::string substrateText(int index) { return index >= 0 && index < kListEntries ? kSubstrates[index] : ""; }
std::string seasonPiece(const std::string& piece) { return entry(kSeasons, piece); }
std::string substratePiece(const std::string& piece) { return entry(kSubstrates, piece); }

}  // namespace site
