#include "core/InterfaceText.h"

#include <map>

#include "core/AppText.h"

namespace core {

namespace {

const char* const kReserved = "<reserved>";

const std::map<int, std::string>& table() {
    static const std::map<int, std::string> entries = [] {
        std::map<int, std::string> t = {
            {kTextCaption, kCaption},
            {129, "winter"},
            {130, "spring"},
            {131, "summer"},
            {132, "autumn"},
            {133, "winter-spring"},
            {134, "spring-summer"},
            {135, "summer-autumn"},
            {136, "autumn-winter"},
            {137, "spring-autumn"},
            {138, "autumn-spring"},
            {139, "all seasons"},
            {140, "no need"},
            {141, "flat stone"},
            {142, "gravel"},
            {143, "rocks"},
            {144, "cave"},
            {145, "sand"},
            {146, "snail shell"},
            {147, "big-leaf plant"},
            {148, "overgrowth"},
            {149, "surface plants"},
            {150, "silt"},
            {160, "Catalogs|Каталоги|"},
            {163, "My aquafarm|Моя рыбоферма|"},
            {164, "Service|Сервис|"},
            {165, "My fishes|Мои рыбы|"},
            {166, "Incubator|Инкубатор|"},
            {167, "My Tanks|Мои аквариумы|"},
            {168, "Plan of spawnings|План нерестов|"},
            {169, "Reports|Отчёты|"},
            {170, "Report on tanks|Отчёт по аквариумам|"},
            {171, "All species|Все виды|"},
            {172, "Report on spawnings|Отчёт по нерестам|"},
            {173, "Taxonomy report|Отчёт по систематике|"},
            {174, "Exit|Выход|"},
            {175, "Commercial report|Коммерческий отчёт|"},
            {176, "High taxonomy|Высшая систематика|"},
            {177, "Price-list|Прайс-лист|"},
            {178, "Review price-list|Обзорный прайс-лист|"},
            {179, "Price-list for bulletin|Прайс-лист для бюллетеня|"},
            {180, "Make bulletin|Составить бюллетень|"},
            {181, "Search species|Поиск видов|"},
            {182, "Select species...|Выбрать вид...|"},
            {183, "Species statistic...|Статистика вида...|"},
            {267, "Expenses|Расходы|"},
            {268, "Potential|Потенциал|"},
            {269, "Project|Проект|"},
            {270, "New...|Новый...|"},
            {271, "Delete...|Удалить...|"},
            {272, "Fish catalogue|Каталог рыб|"},
            {273, "Sold|Продано|"},
            {274, "Died|Погибло|"},
            {275, "Gifted|Подарено|"},
            {276, "Fishes|Рыбы|"},
            {277, "Eggs|Икра|"},
            {278, "Larvas|Личинки|"},
            {279, "- Period -|- Период -|"},
            {280, "Balance|Баланс|"},
            {281, "Summary -|Итого -|"},
            {282, "Date|Дата|"},
            {283, "List of purchases|Список покупок|"},
            {284, "Num|Кол.|"},
            {285, "Price|Цена|"},
            {286, "Edit properties of -|Изменить свойства -|"},
            {287, "Edit synonyms for -|Изменить синонимы -|"},
            {288, "Precise...|Уточнить...|"},
            {289, "Add new -|Добавить -|"},
            {290, "Change taxonomy for -|Изменить систематику -|"},
            {291, "View info about -|Просмотреть информацию о -|"},
            {292, "Edit info for -|Изменить информацию о -|"},
            {293, "Edit htm-file for -|Изменить htm-файл -|"},
            {294, "Add htm-stair for -|Добавить htm-лестницу для -|"},
            {295, "Family's survey|Обзор семейства|"},
            {296, "Family... survey|Обзор семейства...|"},
            {297, "Taxonomy survey|Обзор систематики|"},
            {298, "Families surveys|Обзоры семейств|"},
            {299, "Delete -|Удалить -|"},
            {300, "Enable Find|Включить поиск|"},
            {301, "Common names|Обиходные названия|"},
            {302, "Length|Длина|"},
            {303, "Height|Высота|"},
            {304, "Width|Ширина|"},
            {305, "Bought|Куплен|"},
            {306, "Special tokens|Особые приметы|"},
            {307, "In all|Всего|"},
            {308, "Date|Дата|"},
            {309, "Volume wat-ch|Объём подмены|"},
            {310, "dGh|dGh|"},
            {311, "dKh|dKh|"},
            {312, "pH|pH|"},
            {313, "Redox|Redox|"},
            {314, "Saltiness|Солёность|"},
            {315, "Ammony|Аммоний|"},
            {316, "Nitrites|Нитриты|"},
            {317, "Nitrates|Нитраты|"},
            {318, "Phosfates|Фосфаты|"},
        };
        for (int n = 151; n <= 159; ++n) t[n] = kReserved;
        for (int n = 184; n <= 266; ++n) t[n] = kReserved;
        return t;
    }();
    return entries;
}

}  // namespace

const std::string& interfaceEntry(int number) {
    static const std::string none;
    auto it = table().find(number);
    return it == table().end() ? none : it->second;
}

std::string pick(const std::string& entry, int language) {
    if (entry.find('|') == std::string::npos) return entry;
    std::size_t begin = 0;
    for (int i = 0; i < language; ++i) {
        std::size_t bar = entry.find('|', begin);
        if (bar == std::string::npos || bar + 1 >= entry.size()) return pick(entry, English);
        begin = bar + 1;
    }
    std::size_t end = entry.find('|', begin);
    return entry.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::string interfaceText(int number, int language) { return pick(interfaceEntry(number), language); }

}  // namespace core
