#include "ui/app/Commands.h"

#include "core/InterfaceText.h"

namespace app {

const std::vector<CommandInfo>& commandTable() {
    static const std::vector<CommandInfo> table = {
        {ID_HIGH_TAXONOMY, core::kTextHighTaxonomy, nullptr,
         "Edit the high taxonomy down to the classes|Правка высшей систематики до уровня классов|"},
        {ID_TAXONOMY_REPORT, core::kTextTaxonomyReport, nullptr,
         "Write the site's main page with the high taxonomy|Создать главную страницу сайта с высшей систематикой|"},
        {ID_CD_ROM, 0, "CD-ROM|CD-ROM|",
         "Open species pages from the CD copy of the catalogue|Открывать страницы видов с CD-копии каталога|"},
        {ID_WWW_SERVER, 0, "WWW-server|WWW-сервер|",
         "Open species pages from the web server|Открывать страницы видов с веб-сервера|"},
        {ID_MY_FISHES, core::kTextMyFishes, nullptr, "Fish lots of your farm|Партии рыб вашей фермы|"},
        {ID_INCUBATOR, core::kTextIncubator, nullptr,
         "Spawnings, eggs and larvas in the incubator|Нересты, икра и личинки в инкубаторе|"},
        {ID_TANKS, core::kTextMyTanks, nullptr, "Tanks and their water journal|Аквариумы и журнал воды|"},
        {ID_PLAN_OF_SPAWNINGS, core::kTextPlanOfSpawnings, nullptr,
         "Plan spawnings by the genealogy of your lots|Планирование нерестов по родословной партий|"},
        {ID_REPORT_ON_SPAWNINGS, core::kTextReportOnSpawnings, nullptr,
         "Write the report on spawnings|Создать отчёт по нерестам|"},
        {ID_REPORT_ON_TANKS, core::kTextReportOnTanks, nullptr,
         "Write the report on the fishes in your tanks|Создать отчёт о рыбах в аквариумах|"},
        {ID_BUSINESS_REPORT, core::kTextCommercialReport, nullptr,
         "Commercial report for the period|Коммерческий отчёт за период|"},
        {ID_ALL_SPECIES, core::kTextAllSpecies, nullptr,
         "Commercial report over all species|Коммерческий отчёт по всем видам|"},
        {ID_SELECT_SPECIES, core::kTextSelectSpecies, nullptr, "Report on one species|Отчёт по одному виду|"},
        {ID_SPECIES_STATISTIC, core::kTextSpeciesStatistic, nullptr,
         "Statistics of one species|Статистика одного вида|"},
        {ID_PRICE_LIST, core::kTextPriceList, nullptr,
         "Write the price list of the fishes for sale|Создать прайс-лист рыб на продажу|"},
        {ID_REVIEW_PRICE_LIST, core::kTextReviewPriceList, nullptr,
         "Write the review price list of all species|Создать обзорный прайс-лист всех видов|"},
        {ID_PRICE_LIST_FOR_BULLETIN, core::kTextPriceListForBulletin, nullptr,
         "Write the price list into a bulletin file|Записать прайс-лист в файл бюллетеня|"},
        {ID_MAKE_BULLETIN, core::kTextMakeBulletin, nullptr,
         "Make the bulletin page from the bulletin files|Составить страницу бюллетеня из файлов бюллетеня|"},
        {ID_FISH_DETERMINER, 0, "Fish-determiner|Определитель рыб|",
         "Determine a fish by its features (not available)|Определение рыбы по признакам (недоступно)|"},
        {ID_FISH_SEARCH_ON_REGIONS, 0, "Fish-search on regions|Поиск рыб по регионам|",
         "Search fishes by region (not available)|Поиск рыб по регионам (недоступно)|"},
        {ID_ENGLISH, 0, "English|Английский|", "Interface and content in English|Интерфейс и содержание на английском|"},
        {ID_RUSSIAN, 0, "Russian|Русский|", "Interface and content in Russian|Интерфейс и содержание на русском|"},
        {ID_DEUTCH, 0, "Deutch|Немецкий|", "German (not available)|Немецкий (недоступно)|"},
        {ID_USD, 0, "USD|Доллар США|", "Prices in US dollars|Цены в долларах США|"},
        {ID_EURO, 0, "Euro|Евро|", "Prices in euro|Цены в евро|"},
        {ID_RUR, 0, "RUR|Рубль|", "Prices in roubles|Цены в рублях|"},
        {ID_UAH, 0, "UAH|Гривна|", "Prices in hryvnias|Цены в гривнах|"},
        {ID_FISHBREEDER_FARM, 0, "Fishbreeder farm|Рыбоферма|",
         "Name of your fish farm, printed in reports|Название вашей рыбофермы для отчётов|"},
        {ID_WORK_DIRECTORIES, 0, "Work directories|Рабочие каталоги|",
         "Work directory, CD drive and web server|Рабочий каталог, привод CD и веб-сервер|"},
        {ID_DATE_FORMAT, 0, "Date format|Формат даты|",
         "Dates are always DD.MM.YYYY|Даты всегда в виде ДД.ММ.ГГГГ|"},
        {ID_UNITS_OF_MEASUREMENT, 0, "Units of measurement|Единицы измерения|",
         "Units of measurement are fixed|Единицы измерения постоянны|"},
        {ID_NAME_FOR_EMPTY_TANK, 0, "Name for empty tank|Название пустого аквариума|",
         "Name for the tank with null volume|Название аквариума нулевого объёма|"},
        {ID_CURRENCY_RATE, 0, "Currency rate|Курс валюты|",
         "Rate of the rouble or hryvnia to the US dollar|Курс рубля или гривны к доллару США|"},
        {ID_VIEW_FISHES, 0, "Fishes|Рыбы|", "View sent on fishes|Показывать расходы на рыб|"},
        {ID_VIEW_TANKS, 0, "Tanks|Аквариумы|", "View sent on tanks|Показывать расходы на аквариумы|"},
        {ID_VIEW_OTHER, 0, "Other|Прочее|",
         "View sent on food, equipment, transport|Показывать расходы на корм, оборудование, транспорт|"},
        {ID_CLEAR_DATABASE, 0, "Clear database|Очистить базу данных|",
         "Delete all data of your fish farm|Удалить все данные рыбофермы|"},
        {ID_MAKE_UPGRADING_TABLE, 0, "Make upgrading table|Создать таблицу обновления|",
         "Upgrading table (nothing to upgrade)|Таблица обновления (обновлять нечего)|"},
        {ID_CHECK_FTP_SERVER, 0, "Check FTP-server|Проверить FTP-сервер|",
         "Start FTP-uploading on timer|Запустить выгрузку на FTP-сервер по таймеру|"},
        {ID_APP_ABOUT, 0, "About|О программе|",
         "Display program information and version|Сведения о программе и её версии|"},
        {ID_HELP_CONTENT, 0, "Content|Содержание|", "Open the help pages|Открыть страницы справки|"},
        {ID_APP_EXIT, core::kTextExit, nullptr, "Quit the application|Завершить работу программы|"},
        {ID_INITIALISE_DATA_SOURCE, 0, "Initialise data source|Подготовить источник данных|",
         "Create the tables in an empty data source|Создать таблицы в пустом источнике данных|"},
        {ID_BACK_UP, 0, "Back up...|Резервная копия...|",
         "Save the database and the settings into one file|Сохранить базу данных и настройки в один файл|"},
        {ID_RESTORE, 0, "Restore...|Восстановить...|",
         "Replace the database and the settings by a backup|Заменить базу данных и настройки резервной копией|"},
        {ID_WEEKLY_BACKUP, 0, "Weekly backup...|Еженедельная копия...|",
         "Back up the database into the data folder once a week|Раз в неделю сохранять копию базы в папку данных|"},
        {ID_EXPORT_LOTS, 0, "Export lots (CSV)...|Экспорт партий (CSV)...|",
         "Save every lot into a spreadsheet file|Сохранить все партии в файл электронной таблицы|"},
        {ID_EXPORT_EXPENSES, 0, "Export expenses of the period (CSV)...|Экспорт расходов за период (CSV)...|",
         "Save the expenses and incomes of the balance period into a spreadsheet file|"
         "Сохранить расходы и доходы периода баланса в файл электронной таблицы|"},
        {ID_EXPORT_PERIOD, 0, "Export business report (CSV)...|Экспорт бизнес-отчёта (CSV)...|",
         "Save the business report's table into a spreadsheet file|"
         "Сохранить таблицу бизнес-отчёта в файл электронной таблицы|"},
    };
    return table;
}

const CommandInfo* findCommand(int id) {
    for (const CommandInfo& c : commandTable())
        if (c.id == id) return &c;
    return nullptr;
}

std::string commandText(int id, int language) {
    const CommandInfo* c = findCommand(id);
    if (!c) return {};
    return c->textEntry ? core::interfaceText(c->textEntry, language) : core::pick(c->text, language);
}

std::string commandPrompt(int id, int language) {
    const CommandInfo* c = findCommand(id);
    return c ? core::pick(c->prompt, language) : std::string();
}

std::string popupText(PopupId popup, int language) {
    switch (popup) {
    case POPUP_SETTINGS: return core::pick("Settings|Настройки|", language);
    case POPUP_LANGUAGE: return core::pick("Language|Язык|", language);
    case POPUP_CURRENCY: return core::pick("Currency|Валюта|", language);
    case POPUP_DATABASES: return core::pick("Databases|Базы данных|", language);
    case POPUP_HELP: return core::pick("Help|Справка|", language);
    }
    return {};
}

}  // namespace app
