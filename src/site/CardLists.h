// The season and substrate lists of the cards, indexed as the cards store
// them (0 to 10).
#pragma once

#include <string>

namespace site {

constexpr int kListEntries = 11;

// English texts; an index outside the list gives an empty text.
std::string seasonText(int index);
std::string substrateText(int index);

// A card's decimal piece as a list entry; a piece that is not such a number
// stands for itself.
std::string seasonPiece(const std::string& piece);
std::string substratePiece(const std::string& piece);

}  // namespace site
