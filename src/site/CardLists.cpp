#include "site/CardLists.h"

#include <vector>

#include "catalogue/CatalogueText.h"

namespace site {

namespace {

std::string entry(const std::vector<std::string>& list, const std::string& piece) {
    if (piece.empty() || piece.size() > 3 || piece.find_first_not_of("0123456789") != std::string::npos) return piece;
    const std::size_t n = static_cast<std::size_t>(std::stoi(piece));
    return n < list.size() ? list[n] : piece;
}

}  // namespace

std::string seasonPiece(const std::string& piece) { return entry(catalogue::seasonNames(), piece); }
std::string substratePiece(const std::string& piece) { return entry(catalogue::substrateNames(), piece); }

}  // namespace site
