#include "catalogue/CatalogueText.h"

#include <map>

namespace catalogue {

namespace {

const std::map<int, std::string>& entries() {
    static const std::map<int, std::string> table = {
        {kEditProperties, "Edit properties of -|Изменить свойства -|"},
        {kEditSynonyms, "Edit synonyms for -|Изменить синонимы -|"},
        {kPrecise, "Precise...|Уточнить...|"},
        {kAddNew, "Add new -|Добавить -|"},
        {kChangeTaxonomy, "Change taxonomy for -|Изменить систематику -|"},
        {kViewInfo, "View info about -|Просмотреть информацию о -|"},
        {kEditInfo, "Edit info for -|Изменить информацию о -|"},
        {kEditHtm, "Edit htm-file for -|Изменить htm-файл -|"},
        {kAddStair, "Add htm-stair for -|Добавить htm-лестницу для -|"},
        {kFamilySurveyOne, "Family's survey|Обзор семейства|"},
        {kFamilySurvey, "Family... survey|Обзор семейства...|"},
        {kTaxonomySurvey, "Taxonomy survey|Обзор систематики|"},
        {kFamiliesSurveys, "Families surveys|Обзоры семейств|"},
        {kDeleteTaxon, "Delete -|Удалить -|"},
        {kEnableFind, "Enable Find|Включить поиск|"},
        {kCommonNames, "Common names|Обиходные названия|"},
    };
    return table;
}

}  // namespace

std::string pickSegment(const std::string& entry, int language) {
    std::size_t start = 0;
    for (int i = 0; i < language; ++i) {
        std::size_t bar = entry.find('|', start);
        if (bar == std::string::npos || bar + 1 >= entry.size()) return pickSegment(entry, 0);
        start = bar + 1;
    }
    std::size_t end = entry.find('|', start);
    return entry.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string catalogueText(int id, int language) {
    auto it = entries().find(id);
    return it == entries().end() ? std::string() : pickSegment(it->second, language);
}

const std::vector<std::string>& seasonNames() {
    static const std::vector<std::string> names = {
        "winter", "spring", "summer", "autumn", "winter-spring", "spring-summer",
        "summer-autumn", "autumn-winter", "spring-autumn", "autumn-spring", "all seasons"};
    return names;
}

const std::vector<std::string>& substrateNames() {
    static const std::vector<std::string> names = {
        "no need", "flat stone", "gravel", "rocks", "cave", "sand",
        "snail shell", "big-leaf plant", "overgrowth", "surface plants", "silt"};
    return names;
}

}  // namespace catalogue
