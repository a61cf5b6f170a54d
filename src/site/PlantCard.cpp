#include "site/PlantCard.h"

#include "catalogue/PackedField.h"

namespace site {

const std::vector<std::string>& plantMethods() {
    static const std::vector<std::string> methods = {"Spores", "Vegatative", "Seeds", "Rhizome",
                                                     "Caulescent layers"};
    return methods;
}

std::string methodFlags(const std::vector<bool>& checked) {
    std::string flags;
    for (std::size_t i = 0; i < plantMethods().size(); ++i) flags += i < checked.size() && checked[i] ? '1' : '0';
    return flags;
}

std::vector<bool> checkedMethods(const std::string& flags) {
    std::vector<bool> checked(plantMethods().size(), false);
    for (std::size_t i = 0; i < checked.size() && i < flags.size(); ++i) checked[i] = flags[i] == '1';
    return checked;
}

bool openPlantCard(db::CFishesDoc& doc, std::int32_t taxon) {
    db::Plants& card = *doc.plantCards;
    const std::string filter = "Of_cod=" + std::to_string(taxon);
    card.setFilter(filter);
    card.requery();
    if (!card.isEOF()) return false;
    card.addNew();
    card.m_Of_cod = taxon;
    card.m_Keep_cond = kEmptyPlantKeep;
    card.update();
    card.requery();
    return true;
}

void setPlantKeep(db::Plants& card, int piece, const std::string& typed) {
    if (card.isEOF()) return;
    std::string value;  // a "|" would split the piece in two
    for (char c : typed)
        if (c != '|') value += c;
    std::vector<std::string> now = catalogue::unpack(card.m_Keep_cond, kPlantKeepFields);
    if (piece < 0 || piece >= kPlantKeepFields || now[static_cast<std::size_t>(piece)] == value) return;
    card.edit();
    card.m_Keep_cond = catalogue::withSubField(card.m_Keep_cond, kPlantKeepFields, piece, value);
    card.update();
}

}  // namespace site
