// The Latin name of a taxon about to be created or renamed at a catalogue
// row: trailing blanks, the case of its first letter by level, and the
// questions about the same name among the siblings and in other branches.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/CatalogueModel.h"
#include "platform/Prompter.h"

namespace catalogue {

std::string trimTrailingBlanks(const std::string& text);

// Epithets (level 64 and below) begin in lower case, higher names in upper case.
std::string normaliseLatinName(const std::string& name, std::int32_t level);

// Asks the questions the name raises at a row; true when the operation may
// go on. A Yes to "already exists" makes the existing taxon current in the
// model instead. renamed is the taxon being renamed (0 when adding): it is
// no duplicate of itself.
bool checkLatinName(db::CFishesDoc& doc, platform::Prompter& prompter, CatalogueModel& model, int row,
                    const std::string& name, std::int32_t renamed = 0);

// The lines of the "has founded in these branch" question for the records
// of a name, newest line first, at most 21 of them.
std::string branchLines(db::CFishesDoc& doc, const std::vector<Taxon>& records);

}  // namespace catalogue
