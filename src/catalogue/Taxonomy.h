// The taxonomy's codes and names: level values, the synonym offset, common
// names per language, display names and full Latin names, and the class
// directory of any taxon.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/ClassCodes.h"
#include "db/CFishesDoc.h"

namespace catalogue {

using core::kClassLevel;
using core::kRootLevel;
constexpr std::int32_t kTopCatalogueLevel = 131072;
constexpr std::int32_t kBranchPathLevel = 8192;
constexpr std::int32_t kFamilyLevel = 4096;
constexpr std::int32_t kGenusLevel = 512;
constexpr std::int32_t kSubgenusLevel = 256;
constexpr std::int32_t kLotLevel = 128;  // a lot's kind is a taxon of this level or below
constexpr std::int32_t kEpithetLevel = 64;
constexpr std::int32_t kSynonymOffset = 1000000000;
constexpr std::int32_t kFishClass = core::kFishes;
constexpr const char* kNoAuthor = ", ";

inline bool isSynonym(std::int32_t classific) { return classific > kSynonymOffset; }
inline std::int32_t acceptedLevel(std::int32_t classific) {
    return isSynonym(classific) ? classific - kSynonymOffset : classific;
}
// Full names climb past a level until one of genus rank or above, or a subgenus.
inline bool stopsNameClimb(std::int32_t level) { return level >= kGenusLevel || level == kSubgenusLevel; }

// The columns of one taxa row, copied out of a record object.
struct Taxon {
    std::int32_t cod = 0;
    std::int32_t ofCod = 0;
    std::int32_t classific = 0;
    std::int32_t classCode = 0;
    std::string latName;
    std::string author;
};

Taxon taxonOf(const db::Fish& row);

// Reads a taxon by code through taxa2 (the lookup member); nothing when absent.
std::optional<Taxon> findTaxon(db::CFishesDoc& doc, std::int32_t cod);

// The first common name of a taxon in a language; empty when none.
std::string commonName(db::CFishesDoc& doc, std::int32_t cod, int language);

// Lat_name, the author unless ", " (never a class's visibility string), and
// " (" + common name + ")" in the language when it has one; below genus the
// ancestors' Latin names stand in front.
std::string displayName(db::CFishesDoc& doc, const Taxon& taxon, int language);

// The Latin names of the ancestors down to the taxon, separated by blanks,
// climbing as for the display name.
std::string fullLatinName(db::CFishesDoc& doc, const Taxon& taxon);

// "\Classes\" + the directory name of the taxon's class; empty when the
// class is unknown.
std::string classDirectory(db::CFishesDoc& doc, const Taxon& taxon);

}  // namespace catalogue
