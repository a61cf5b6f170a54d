// The interface string table: bilingual entries ("English|Russian|") by
// number, the single-language entries (the caption, the season and
// substrate lists) and the picker of the current language's segment.
#pragma once

#include <string>

namespace core {

enum Language { English = 0, Russian = 1 };

// Entry numbers used by the main window and the dialogs.
enum TextEntry {
    kTextCaption = 1,
    kTextSeasonFirst = 129,     // 129..139: winter .. all seasons
    kTextSubstrateFirst = 140,  // 140..150: no need .. silt
    kTextCatalogs = 160,
    kTextMyAquafarm = 163,
    kTextService = 164,
    kTextMyFishes = 165,
    kTextIncubator = 166,
    kTextMyTanks = 167,
    kTextPlanOfSpawnings = 168,
    kTextReports = 169,
    kTextReportOnTanks = 170,
    kTextAllSpecies = 171,
    kTextReportOnSpawnings = 172,
    kTextTaxonomyReport = 173,
    kTextExit = 174,
    kTextCommercialReport = 175,
    kTextHighTaxonomy = 176,
    kTextPriceList = 177,
    kTextReviewPriceList = 178,
    kTextPriceListForBulletin = 179,
    kTextMakeBulletin = 180,
    kTextSearchSpecies = 181,
    kTextSelectSpecies = 182,
    kTextSpeciesStatistic = 183,
    kTextExpenses = 267,
    kTextPotential = 268,
    kTextProject = 269,
    kTextNew = 270,
    kTextDelete = 271,
    kTextFishCatalogue = 272,
    kTextSold = 273,
    kTextDied = 274,
    kTextGifted = 275,
    kTextFishes = 276,
    kTextEggs = 277,
    kTextLarvas = 278,
    kTextPeriod = 279,
    kTextBalance = 280,
    kTextSummary = 281,
    kTextDate = 282,
    kTextListOfPurchases = 283,
    kTextNum = 284,
    kTextPrice = 285,
    kTextLength = 302,
    kTextHeight = 303,
    kTextWidth = 304,
    kTextBought = 305,
    kTextSpecialTokens = 306,
    kTextInAll = 307,
    kTextJournalDate = 308,
    kTextVolumeWaterChange = 309,
    kTextDGh = 310,
    kTextDKh = 311,
    kTextPH = 312,
    kTextRedox = 313,
    kTextSaltiness = 314,
    kTextAmmony = 315,
    kTextNitrites = 316,
    kTextNitrates = 317,
    kTextPhosfates = 318,
    kTextLast = 318,
};

// The stored entry, exactly as kept ("Catalogs|Каталоги|"); "" for a number
// the table does not hold.
const std::string& interfaceEntry(int number);

// The segment of the given language: the text after that many "|" up to the
// next one. An entry without "|" is one language only and is returned whole;
// a language the entry has no segment for gets the English segment.
std::string pick(const std::string& entry, int language);

// pick() of the numbered entry.
std::string interfaceText(int number, int language);

}  // namespace core
