// The care and breeding card of an animal taxon: opening it (created with
// the empty patterns when missing), the packed keeping and spawning
// conditions written one sub-field at a time, the scalar and text fields,
// and the natural habitats as a list of names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace catalogue {

// Sub-fields of Keep_cond and Spawn_cond (the first six are shared).
enum SubField {
    kTemperature = 0,
    kPh = 1,
    kGeneralHardness = 2,
    kCarbonateHardness = 3,
    kSaltiness = 4,
    kMinVolume = 5,
    kWaterChanging = 6,  // keeping only: the last
    kSeason = 6,         // spawning: index into the season list
    kSubstrate = 7,      // spawning: index into the substrate list
    kPushToSpawning = 8, // spawning: the last
};

enum class Packed { Keep, Spawn };
enum class CardText { Forage, ForageFr, EggSize, FemaleLength, FryLength, JuvenileLength, MaleLength };
enum class CardNumber { EggQuantity, EggTerm, HatchPercent, FryTerm };

int subFieldCount(Packed which);

// Makes doc.animalCards hold the taxon's card, inserting one when missing;
// true when it was inserted.
bool openCard(db::CFishesDoc& doc, std::int32_t taxon);

// The sub-fields of a packed field of the taxon's card.
std::vector<std::string> readSubFields(db::CFishesDoc& doc, std::int32_t taxon, Packed which);

// Each writer stores its value when it differs from the stored one and says so.
bool writeSubField(db::CFishesDoc& doc, std::int32_t taxon, Packed which, int k, const std::string& text);
bool writeText(db::CFishesDoc& doc, std::int32_t taxon, CardText field, const std::string& text);
// An unsigned decimal number; an empty text is 0 and text without digits
// leaves the field as it was. A number the column cannot hold is refused
// with a db::RangeError.
bool writeNumber(db::CFishesDoc& doc, std::int32_t taxon, CardNumber field, const std::string& text);
std::optional<std::int64_t> readUnsigned(const std::string& text);

// The card's column behind a field.
std::string& textMember(db::Fishes& card, CardText field);
std::int32_t& numberMember(db::Fishes& card, CardNumber field);
std::string& packedMember(db::Fishes& card, Packed which);

// Habitat names of the card in stored order; codes that no longer exist are skipped.
std::vector<std::string> cardHabitats(db::CFishesDoc& doc, std::int32_t taxon);
// Stores the names as codes joined by ","; a name that matches no habitat is left out.
bool writeHabitats(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<std::string>& names);

}  // namespace catalogue
