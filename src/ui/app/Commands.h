// The commands of the main window's menu: their numbers, their texts in both
// languages and their status-bar prompts; the sub-menus' titles.
#pragma once

#include <string>
#include <vector>

namespace app {

enum CommandId {
    ID_HIGH_TAXONOMY = 32821,
    ID_TAXONOMY_REPORT = 32817,
    ID_CD_ROM = 32795,
    ID_WWW_SERVER = 32796,
    ID_MY_FISHES = 32772,
    ID_INCUBATOR = 32774,
    ID_TANKS = 32773,
    ID_PLAN_OF_SPAWNINGS = 32775,
    ID_REPORT_ON_SPAWNINGS = 32783,
    ID_REPORT_ON_TANKS = 32782,
    ID_BUSINESS_REPORT = 32801,
    ID_ALL_SPECIES = 32798,
    ID_SELECT_SPECIES = 32844,
    ID_SPECIES_STATISTIC = 32845,
    ID_PRICE_LIST = 32822,
    ID_REVIEW_PRICE_LIST = 32823,
    ID_PRICE_LIST_FOR_BULLETIN = 32841,
    ID_MAKE_BULLETIN = 32840,
    ID_FISH_DETERMINER = 32787,
    ID_FISH_SEARCH_ON_REGIONS = 32790,
    ID_ENGLISH = 32818,
    ID_RUSSIAN = 32819,
    ID_DEUTCH = 32820,
    ID_USD = 32835,
    ID_EURO = 32836,
    ID_RUR = 32837,
    ID_UAH = 32838,
    ID_FISHBREEDER_FARM = 32776,
    ID_WORK_DIRECTORIES = 32778,
    ID_DATE_FORMAT = 32779,
    ID_UNITS_OF_MEASUREMENT = 32780,
    ID_NAME_FOR_EMPTY_TANK = 32816,
    ID_CURRENCY_RATE = 32833,
    ID_VIEW_FISHES = 32792,
    ID_VIEW_TANKS = 32793,
    ID_VIEW_OTHER = 32794,
    ID_CLEAR_DATABASE = 32784,
    ID_MAKE_UPGRADING_TABLE = 32831,
    ID_CHECK_FTP_SERVER = 32788,
    ID_APP_ABOUT = 57664,
    ID_HELP_CONTENT = 57670,
    ID_APP_EXIT = 57665,
    ID_INITIALISE_DATA_SOURCE = 32860,
    // The Databases menu's backup and spreadsheet export entries.
    ID_BACK_UP = 32870,
    ID_RESTORE = 32871,
    ID_WEEKLY_BACKUP = 32872,
    ID_EXPORT_LOTS = 32873,
    ID_EXPORT_EXPENSES = 32874,
    ID_EXPORT_PERIOD = 32875,
};

// The class entries of the Catalogs menu: entry n (from 1) has the number
// kClassCommandFirst + n - 1, a range no fixed command uses.
constexpr int kClassCommandFirst = 34000;
inline int classCommand(int n) { return kClassCommandFirst + n - 1; }

// Sub-menus without an entry of the string table.
enum PopupId {
    POPUP_SETTINGS = 1,
    POPUP_LANGUAGE,
    POPUP_CURRENCY,
    POPUP_DATABASES,
    POPUP_HELP,
};

struct CommandInfo {
    int id;
    int textEntry;        // the string-table entry of the text, or 0
    const char* text;     // the bilingual text when textEntry is 0
    const char* prompt;   // bilingual status-bar prompt
};

const std::vector<CommandInfo>& commandTable();
const CommandInfo* findCommand(int id);

// The menu text of a command in a language ("" for an unknown number).
std::string commandText(int id, int language);
// The status-bar prompt of a command.
std::string commandPrompt(int id, int language);
// The title of a sub-menu that has no string-table entry.
std::string popupText(PopupId popup, int language);

}  // namespace app
