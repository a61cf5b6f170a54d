#include "catalogue/CatalogueText.h"

#include "core/InterfaceText.h"

namespace catalogue {

namespace {

constexpr int kListLength = 11;

std::vector<std::string> listFrom(int firstEntry) {
    std::vector<std::string> names;
    for (int i = 0; i < kListLength; ++i) names.push_back(core::interfaceText(firstEntry + i, core::English));
    return names;
}

}  // namespace

const std::vector<std::string>& seasonNames() {
    static const std::vector<std::string> names = listFrom(core::kTextSeasonFirst);
    return names;
}

const std::vector<std::string>& substrateNames() {
    static const std::vector<std::string> names = listFrom(core::kTextSubstrateFirst);
    return names;
}

}  // namespace catalogue
