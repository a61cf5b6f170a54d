// The plant card: finding or creating a taxon's card, and the sub-fields of
// its packed keeping conditions.
//
// Keep_cond of a plant: temperature|pH|dGh|dKh|humidity|lighting|saltiness|
// number of seeds|reproduction methods. The first four are the water pieces
// of the plant page; a new card holds "|||" and gains the further
// separators on its first write. The methods are one "0"/"1" flag per
// method in the order of plantMethods().
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace site {

enum PlantKeep {
    kPlantTemperature = 0,
    kPlantPH,
    kPlantGh,
    kPlantKh,
    kPlantHumidity,
    kPlantLighting,
    kPlantSaltiness,
    kPlantSeeds,
    kPlantMethods,
    kPlantKeepFields  // 9
};
constexpr int kPlantWaterPieces = 4;
constexpr const char* kEmptyPlantKeep = "|||";

// "Spores", "Vegatative", "Seeds", "Rhizome", "Caulescent layers".
const std::vector<std::string>& plantMethods();
// The flags piece for a set of checked methods, and back.
std::string methodFlags(const std::vector<bool>& checked);
std::vector<bool> checkedMethods(const std::string& flags);

// Makes the taxon's card current in doc.plantCards ("Of_cod=%lu"),
// inserting an empty one when it has none. True when it was inserted.
bool openPlantCard(db::CFishesDoc& doc, std::int32_t taxon);

// Replaces one sub-field of the current card's Keep_cond and writes the
// card when it changed.
void setPlantKeep(db::Plants& card, int piece, const std::string& value);

}  // namespace site
