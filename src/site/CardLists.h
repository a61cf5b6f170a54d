// A card's season or substrate piece as the pages show it.
#pragma once

#include <string>

namespace site {

// The list entry of a decimal index; a piece that is no index into the
// list stands for itself.
std::string seasonPiece(const std::string& piece);
std::string substratePiece(const std::string& piece);

}  // namespace site
