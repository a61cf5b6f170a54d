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

namespace catalogue {

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
// The methods kept in a whole Keep_cond.
std::vector<bool> unpackMethods(const std::string& keepCond);

// Makes the taxon's card current in doc.plantCards ("Of_cod=%lu"),
// inserting an empty one when it has none. True when it was inserted.
bool openPlantCard(db::CFishesDoc& doc, std::int32_t taxon);

// The number columns of the Info page.
enum class PlantNumber { Season, FlowTerm, SeedTerm, SeedPercent };
std::int32_t& plantNumber(db::Plants& card, PlantNumber field);

// Each writer opens the card and stores its value only when it differs;
// true when it did.
// One sub-field of Keep_cond; a "|" typed into it is dropped.
bool writePlantKeep(db::CFishesDoc& doc, std::int32_t taxon, int piece, const std::string& text);
bool writePlantSubstrat(db::CFishesDoc& doc, std::int32_t taxon, const std::string& text);
// An unsigned decimal number as the animal card reads it: empty is 0, text
// without digits leaves the field, a number the column cannot hold is
// refused with a db::RangeError.
bool writePlantNumber(db::CFishesDoc& doc, std::int32_t taxon, PlantNumber field, const std::string& text);
bool writePlantMethods(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<bool>& checked);
// Habitat names in stored order, and storing them back as codes.
std::vector<std::string> plantHabitats(db::CFishesDoc& doc, std::int32_t taxon);
bool writePlantHabitats(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<std::string>& names);

}  // namespace catalogue
