#include "catalogue/CatalogueText.h"

#include "app/InterfaceText.h"

namespace catalogue {

namespace {

// Season and substrate entries of the string table, in list order.
std::vector<std::string> listOf(int first) {
    std::vector<std::string> names;
    for (int n = first; n < first + 11; ++n) names.push_back(app::interfaceEntry(n));
    return names;
}

}  // namespace

std::string pickSegment(const std::string& entry, int language) { return app::pick(entry, language); }

std::string catalogueText(int id, int language) {
    if (id < kEditProperties || id > kCommonNames) return std::string();
    return app::interfaceText(id, language);
}

const std::vector<std::string>& seasonNames() {
    static const std::vector<std::string> names = listOf(app::kTextSeasonFirst);
    return names;
}

const std::vector<std::string>& substrateNames() {
    static const std::vector<std::string> names = listOf(app::kTextSubstrateFirst);
    return names;
}

}  // namespace catalogue
