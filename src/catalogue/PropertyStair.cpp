#include "catalogue/PropertyStair.h"

#include <set>
#include <vector>

#include "catalogue/TaxonLinks.h"
#include "catalogue/Taxonomy.h"

namespace catalogue {

namespace {

struct Source {
    db::Fishes* card;  // doc.animalCards, held on the source card throughout
    std::string description;
    std::vector<Link> links;
};

struct Child {
    std::int32_t cod;
    std::int32_t classific;
};

std::vector<Child> childrenOf(db::CFishesDoc& doc, std::int32_t cod, std::int32_t classific) {
    db::Fish& t = *doc.taxa2;
    t.setFilter("Of_cod=" + std::to_string(cod) + " AND Classific<>" +
                std::to_string(std::int64_t(classific) + kSynonymOffset));
    t.requery();
    std::vector<Child> children;
    for (; !t.isEOF(); t.moveNext()) children.push_back({t.m_Cod, t.m_Classific});
    return children;
}

db::Fishes& targetCard(db::CFishesDoc& doc, std::int32_t cod) {
    db::Fishes& c = *doc.animalCards2;
    c.setFilter("Of_fish=" + std::to_string(cod));
    c.requery();
    if (c.isEOF()) {
        c.addNew();
        c.m_Of_fish = cod;
        c.m_Keep_cond = emptyPacked(kKeepFields);
        c.m_Spawn_cond = emptyPacked(kSpawnFields);
        c.update();
        c.requery();
    }
    return c;
}

void copyCard(const db::Fishes& from, db::Fishes& to, const StairChoice& ch) {
    to.edit();
    if (ch.habitat) to.m_Habitat = from.m_Habitat;
    if (ch.keepGroup) {
        if (ch.forage) to.m_Forage = from.m_Forage;
        to.m_Keep_cond = mergeSubFields(to.m_Keep_cond, from.m_Keep_cond, kKeepFields, ch.keep.data());
    }
    if (ch.spawnGroup) {
        if (ch.forageFr) to.m_Forage_fr = from.m_Forage_fr;
        to.m_Spawn_cond = mergeSubFields(to.m_Spawn_cond, from.m_Spawn_cond, kSpawnFields, ch.spawn.data());
    }
    if (ch.posterityGroup) {
        if (ch.eggQuantity) to.m_Egg_quant = from.m_Egg_quant;
        if (ch.eggSize) to.m_Egg_size = from.m_Egg_size;
        if (ch.eggTerm) to.m_Egg_term = from.m_Egg_term;
        if (ch.hatchPercent) to.m_Fr_perc = from.m_Fr_perc;
        if (ch.fryTerm) to.m_Fr_term = from.m_Fr_term;
    }
    if (ch.maleLength) to.m_M_len = from.m_M_len;
    if (ch.femaleLength) to.m_F_len = from.m_F_len;
    if (ch.juvenileLength) to.m_J_len = from.m_J_len;
    if (ch.fryLength) to.m_Fr_len = from.m_Fr_len;
    to.update();
}

bool sameLink(const Link& a, const Link& b) {
    return a.name == b.name && a.email == b.email && a.http == b.http && a.ftp == b.ftp && a.type == b.type;
}

// A link the child already has is not added again, so repeated runs add nothing.
void copyLinks(db::CFishesDoc& doc, const std::vector<Link>& links, std::int32_t cod) {
    std::vector<Link> own = linksOf(doc, cod);
    for (const Link& l : links) {
        bool present = false;
        for (const Link& o : own) present = present || sameLink(o, l);
        if (!present) copyLink(doc, l, cod);
    }
}

int copyBelow(db::CFishesDoc& doc, const Child& node, const Source& src, const StairChoice& ch, int language,
              std::set<std::int32_t>& visited) {
    int written = 0;
    for (const Child& child : childrenOf(doc, node.cod, node.classific)) {
        if (!visited.insert(child.cod).second) continue;  // a cycle in the tree must end
        copyCard(*src.card, targetCard(doc, child.cod), ch);
        if (ch.description) storeDescription(doc, child.cod, language, src.description);
        if (ch.links) copyLinks(doc, src.links, child.cod);
        written += 1 + copyBelow(doc, child, src, ch, language, visited);
    }
    return written;
}

// The plant card's values, read before the first child's card moves the recordset.
struct PlantSource {
    std::string height, diameter, flowerSize, seedSize, habitat, keep, substrat, sproutSize, root;
    std::int32_t season = 0, flowTerm = 0, seedTerm = 0, seedPercent = 0;
    std::string description;
    std::vector<Link> links;
};

void copyPlantCard(const PlantSource& from, db::Plants& to, const PlantStairChoice& ch) {
    to.edit();
    if (ch.habitat) to.m_Habitat = from.habitat;
    if (ch.keepGroup) to.m_Keep_cond = mergeSubFields(to.m_Keep_cond, from.keep, kPlantKeepFields, ch.keep.data());
    if (ch.substrat) to.m_Substrat = from.substrat;
    if (ch.season) to.m_Season = from.season;
    if (ch.flowTerm) to.m_Flow_term = from.flowTerm;
    if (ch.seedTerm) to.m_Seed_term = from.seedTerm;
    if (ch.seedPercent) to.m_Seed_perc = from.seedPercent;
    if (ch.height) to.m_Height = from.height;
    if (ch.diameter) to.m_Diameter = from.diameter;
    if (ch.flowerSize) to.m_Fl_size = from.flowerSize;
    if (ch.seedSize) to.m_Seed_size = from.seedSize;
    if (ch.sproutSize) to.m_Spr_size = from.sproutSize;
    if (ch.root) to.m_Root = from.root;
    to.update();
}

int copyPlantBelow(db::CFishesDoc& doc, const Child& node, const PlantSource& src, const PlantStairChoice& ch,
                   int language, std::set<std::int32_t>& visited) {
    int written = 0;
    for (const Child& child : childrenOf(doc, node.cod, node.classific)) {
        if (!visited.insert(child.cod).second) continue;  // a cycle in the tree must end
        openPlantCard(doc, child.cod);
        copyPlantCard(src, *doc.plantCards, ch);
        if (ch.description) storeDescription(doc, child.cod, language, src.description);
        if (ch.links) copyLinks(doc, src.links, child.cod);
        written += 1 + copyPlantBelow(doc, child, src, ch, language, visited);
    }
    return written;
}

}  // namespace

int copyPlantDown(db::CFishesDoc& doc, std::int32_t taxon, const PlantStairChoice& choice, int language) {
    std::optional<Taxon> t = findTaxon(doc, taxon);
    if (!t) return 0;
    openPlantCard(doc, taxon);
    const db::Plants& c = *doc.plantCards;
    PlantSource src{c.m_Height,   c.m_Diameter, c.m_Fl_size,   c.m_Seed_size, c.m_Habitat,   c.m_Keep_cond,
                    c.m_Substrat, c.m_Spr_size, c.m_Root,      c.m_Season,    c.m_Flow_term, c.m_Seed_term,
                    c.m_Seed_perc, {},          {}};
    if (choice.description) src.description = descriptionOf(doc, taxon, language);
    if (choice.links) src.links = linksOf(doc, taxon);
    std::set<std::int32_t> visited{taxon};
    return copyPlantBelow(doc, Child{t->cod, t->classific}, src, choice, language, visited);
}

std::string mergeSubFields(const std::string& target, const std::string& source, int count, const bool* chosen) {
    std::vector<std::string> mine = unpack(target, count), theirs = unpack(source, count);
    std::string out;
    for (int k = 0; k < count; ++k) {
        if (k) out += '|';
        out += chosen[k] ? theirs[static_cast<std::size_t>(k)] : mine[static_cast<std::size_t>(k)];
    }
    return out;
}

int copyDown(db::CFishesDoc& doc, std::int32_t taxon, const StairChoice& choice, int language) {
    std::optional<Taxon> t = findTaxon(doc, taxon);
    if (!t) return 0;
    openCard(doc, taxon);
    Source src{doc.animalCards.get(), choice.description ? descriptionOf(doc, taxon, language) : std::string(),
               choice.links ? linksOf(doc, taxon) : std::vector<Link>{}};
    std::set<std::int32_t> visited{taxon};
    return copyBelow(doc, Child{t->cod, t->classific}, src, choice, language, visited);
}

std::string stairOpeningLabel(Packed which, int k) {
    static const char* const shared[] = {"t = ", "pH = ", "dGh = ", "dKh = ", "Saltiness = ", "Volume = "};
    if (k >= 0 && k < 6) return shared[k];
    if (which == Packed::Keep) return "Water changing: ";
    if (k == kSeason) return "Season: ";
    if (k == kSubstrate) return "Substrat: ";
    return "Push to spawning: ";
}

std::string stairChangedLabel(Packed which, int k) {
    static const char* const shared[] = {"t = ", "pH = ", "gH = ", "kH = ", "Saltiness = ", "Volume = "};
    if (k >= 0 && k < 6) return shared[k];
    if (which == Packed::Keep) return "Water changing = ";
    return stairOpeningLabel(which, k);
}

}  // namespace catalogue
