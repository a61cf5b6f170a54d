// The property stair: copying the chosen card properties of a taxon to
// every taxon below it (animal cards for fishes, plant cards for plants),
// and the captions that show each property.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalogue/CareCard.h"
#include "catalogue/PackedField.h"
#include "catalogue/PlantCard.h"

namespace catalogue {

struct StairChoice {
    bool habitat = false;
    bool keepGroup = false;
    bool forage = false;
    std::array<bool, kKeepFields> keep{};
    bool spawnGroup = false;
    bool forageFr = false;
    std::array<bool, kSpawnFields> spawn{};
    bool posterityGroup = false;
    bool eggQuantity = false, eggSize = false, eggTerm = false, hatchPercent = false, fryTerm = false;
    bool description = false;
    bool maleLength = false, femaleLength = false, juvenileLength = false, fryLength = false;
    bool links = false;
};

// Copies the chosen properties of the taxon's card to each taxon of its
// subtree (same-level synonyms left out), creating cards where missing.
// Returns how many taxa received them.
int copyDown(db::CFishesDoc& doc, std::int32_t taxon, const StairChoice& choice, int language);

struct PlantStairChoice {
    bool habitat = false;
    bool keepGroup = false;
    std::array<bool, kPlantKeepFields> keep{};
    bool substrat = false, season = false, flowTerm = false, seedTerm = false, seedPercent = false;
    bool height = false, diameter = false, flowerSize = false, seedSize = false, sproutSize = false, root = false;
    bool description = false;
    bool links = false;
};

// The same for a plant: the chosen properties of its plant card go to the
// plant cards of its subtree; no animal card is read or made.
int copyPlantDown(db::CFishesDoc& doc, std::int32_t taxon, const PlantStairChoice& choice, int language);

// Sub-field k of a packed field rebuilt from two: the source's where chosen.
std::string mergeSubFields(const std::string& target, const std::string& source, int count, const bool* chosen);

// Caption labels of the stair page's packed properties, on opening and after a change.
std::string stairOpeningLabel(Packed which, int k);
std::string stairChangedLabel(Packed which, int k);

}  // namespace catalogue
