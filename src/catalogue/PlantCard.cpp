#include "catalogue/PlantCard.h"

#include <climits>
#include <optional>

#include "catalogue/CareCard.h"
#include "catalogue/Habitats.h"
#include "catalogue/PackedField.h"

namespace catalogue {

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

std::vector<bool> unpackMethods(const std::string& keepCond) {
    return checkedMethods(catalogue::unpack(keepCond, kPlantKeepFields)[kPlantMethods]);
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

namespace {

// Writes the current card, forgetting the change when the database refuses it.
void store(db::Plants& card) {
    try {
        card.update();
    } catch (...) {
        card.cancelUpdate();
        card.requery();
        throw;
    }
}

}  // namespace

std::int32_t& plantNumber(db::Plants& card, PlantNumber field) {
    switch (field) {
    case PlantNumber::Season: return card.m_Season;
    case PlantNumber::FlowTerm: return card.m_Flow_term;
    case PlantNumber::SeedTerm: return card.m_Seed_term;
    case PlantNumber::SeedPercent: break;
    }
    return card.m_Seed_perc;
}

bool writePlantKeep(db::CFishesDoc& doc, std::int32_t taxon, int piece, const std::string& typed) {
    if (piece < 0 || piece >= kPlantKeepFields) return false;
    std::string value;  // a "|" would split the piece in two
    for (char c : typed)
        if (c != '|') value += c;
    openPlantCard(doc, taxon);
    db::Plants& card = *doc.plantCards;
    if (catalogue::unpack(card.m_Keep_cond, kPlantKeepFields)[static_cast<std::size_t>(piece)] == value) return false;
    card.edit();
    card.m_Keep_cond = catalogue::withSubField(card.m_Keep_cond, kPlantKeepFields, piece, value);
    store(card);
    return true;
}

bool writePlantSubstrat(db::CFishesDoc& doc, std::int32_t taxon, const std::string& text) {
    openPlantCard(doc, taxon);
    db::Plants& card = *doc.plantCards;
    if (card.m_Substrat == text) return false;
    card.edit();
    card.m_Substrat = text;
    store(card);
    return true;
}

bool writePlantNumber(db::CFishesDoc& doc, std::int32_t taxon, PlantNumber field, const std::string& text) {
    std::optional<std::int64_t> value = catalogue::readUnsigned(text);
    if (!value) return false;
    openPlantCard(doc, taxon);
    db::Plants& card = *doc.plantCards;
    if (plantNumber(card, field) == *value) return false;
    if (*value > INT32_MAX)
        throw db::RangeError("The value " + text + " is too large for this field; nothing was written.");
    card.edit();
    plantNumber(card, field) = static_cast<std::int32_t>(*value);
    store(card);
    return true;
}

bool writePlantMethods(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<bool>& checked) {
    return writePlantKeep(doc, taxon, kPlantMethods, methodFlags(checked));
}

std::vector<std::string> plantHabitats(db::CFishesDoc& doc, std::int32_t taxon) {
    openPlantCard(doc, taxon);
    return catalogue::habitatNames(doc, doc.plantCards->m_Habitat);
}

bool writePlantHabitats(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<std::string>& names) {
    const std::string codes = catalogue::habitatCodes(doc, names);
    openPlantCard(doc, taxon);
    db::Plants& card = *doc.plantCards;
    if (card.m_Habitat == codes) return false;
    card.edit();
    card.m_Habitat = codes;
    store(card);
    return true;
}

}  // namespace catalogue
