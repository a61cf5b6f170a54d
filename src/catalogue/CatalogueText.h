// The catalogue's interface texts, from the program's string table: the
// bilingual entries of its commands and switches, and the English season
// and substrate lists.
#pragma once

#include <string>
#include <vector>

namespace catalogue {

// String numbers of the catalogue's commands and switches.
enum TextId {
    kEditProperties = 286,
    kEditSynonyms = 287,
    kPrecise = 288,
    kAddNew = 289,
    kChangeTaxonomy = 290,
    kViewInfo = 291,
    kEditInfo = 292,
    kEditHtm = 293,
    kAddStair = 294,
    kFamilySurveyOne = 295,
    kFamilySurvey = 296,
    kTaxonomySurvey = 297,
    kFamiliesSurveys = 298,
    kDeleteTaxon = 299,
    kEnableFind = 300,
    kCommonNames = 301,
};

// The segment of a bilingual entry ("English|Russian|") for a language;
// the English one when the entry has no segment for it.
std::string pickSegment(const std::string& entry, int language);

// The text of entry id in the language; empty for an unknown id.
std::string catalogueText(int id, int language);

// Season list, index 0 "winter" to 10 "all seasons".
const std::vector<std::string>& seasonNames();
// Substrate list, index 0 "no need" to 10 "silt".
const std::vector<std::string>& substrateNames();

}  // namespace catalogue
