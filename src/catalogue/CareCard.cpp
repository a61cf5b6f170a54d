#include "catalogue/CareCard.h"

#include "catalogue/Habitats.h"
#include "catalogue/PackedField.h"

namespace catalogue {

namespace {

db::Fishes& card(db::CFishesDoc& doc, std::int32_t taxon) {
    openCard(doc, taxon);
    return *doc.animalCards;
}

void store(db::Fishes& c) { c.update(); }

}  // namespace

int subFieldCount(Packed which) { return which == Packed::Keep ? kKeepFields : kSpawnFields; }

bool openCard(db::CFishesDoc& doc, std::int32_t taxon) {
    db::Fishes& c = *doc.animalCards;
    c.setFilter("Of_fish=" + std::to_string(taxon));
    c.requery();
    if (!c.isEOF()) return false;
    c.addNew();
    c.m_Of_fish = taxon;
    c.m_Keep_cond = emptyPacked(kKeepFields);
    c.m_Spawn_cond = emptyPacked(kSpawnFields);
    c.update();
    c.requery();
    return true;
}

std::string& textMember(db::Fishes& c, CardText field) {
    switch (field) {
    case CardText::Forage: return c.m_Forage;
    case CardText::ForageFr: return c.m_Forage_fr;
    case CardText::EggSize: return c.m_Egg_size;
    case CardText::FemaleLength: return c.m_F_len;
    case CardText::FryLength: return c.m_Fr_len;
    case CardText::JuvenileLength: return c.m_J_len;
    case CardText::MaleLength: break;
    }
    return c.m_M_len;
}

std::int32_t& numberMember(db::Fishes& c, CardNumber field) {
    switch (field) {
    case CardNumber::EggQuantity: return c.m_Egg_quant;
    case CardNumber::EggTerm: return c.m_Egg_term;
    case CardNumber::HatchPercent: return c.m_Fr_perc;
    case CardNumber::FryTerm: break;
    }
    return c.m_Fr_term;
}

std::string& packedMember(db::Fishes& c, Packed which) { return which == Packed::Keep ? c.m_Keep_cond : c.m_Spawn_cond; }

std::vector<std::string> readSubFields(db::CFishesDoc& doc, std::int32_t taxon, Packed which) {
    return unpack(packedMember(card(doc, taxon), which), subFieldCount(which));
}

bool writeSubField(db::CFishesDoc& doc, std::int32_t taxon, Packed which, int k, const std::string& text) {
    if (k < 0 || k >= subFieldCount(which) || text.find('|') != std::string::npos) return false;
    db::Fishes& c = card(doc, taxon);
    std::string& packed = packedMember(c, which);
    std::string updated = withSubField(packed, subFieldCount(which), k, text);
    if (updated == packed) return false;
    c.edit();
    packed = updated;
    store(c);
    return true;
}

bool writeText(db::CFishesDoc& doc, std::int32_t taxon, CardText field, const std::string& text) {
    db::Fishes& c = card(doc, taxon);
    if (textMember(c, field) == text) return false;
    c.edit();
    textMember(c, field) = text;
    store(c);
    return true;
}

std::optional<std::int64_t> readUnsigned(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 10000000000LL; ++i, ++digits)
        value = value * 10 + (text[i] - '0');
    if (digits == 0) return std::nullopt;
    return value;
}

bool writeNumber(db::CFishesDoc& doc, std::int32_t taxon, CardNumber field, const std::string& text) {
    std::optional<std::int64_t> value = readUnsigned(text);
    if (!value) return false;
    db::Fishes& c = card(doc, taxon);
    if (numberMember(c, field) == *value) return false;
    if (*value > INT32_MAX)
        throw db::RangeError("The value " + text + " is too large for this field; nothing was written.");
    c.edit();
    numberMember(c, field) = static_cast<std::int32_t>(*value);
    try {
        store(c);
    } catch (...) {
        c.cancelUpdate();
        c.requery();
        throw;
    }
    return true;
}

std::vector<std::string> cardHabitats(db::CFishesDoc& doc, std::int32_t taxon) {
    return habitatNames(doc, card(doc, taxon).m_Habitat);
}

bool writeHabitats(db::CFishesDoc& doc, std::int32_t taxon, const std::vector<std::string>& names) {
    std::string field = habitatCodes(doc, names);
    db::Fishes& c = card(doc, taxon);
    if (c.m_Habitat == field) return false;
    c.edit();
    c.m_Habitat = field;
    store(c);
    return true;
}

}  // namespace catalogue
