#include "catalogue/Taxonomy.h"

#include "core/WorkPaths.h"

namespace catalogue {

Taxon taxonOf(const db::Fish& row) {
    return Taxon{row.m_Cod, row.m_Of_cod, row.m_Classific, row.m_Class, row.m_Lat_name, row.m_Author};
}

std::optional<Taxon> findTaxon(db::CFishesDoc& doc, std::int32_t cod) {
    db::Fish& t = *doc.taxa2;
    t.setFilter("Cod=" + std::to_string(cod));
    t.requery();
    if (t.isEOF()) return std::nullopt;
    return taxonOf(t);
}

std::string commonName(db::CFishesDoc& doc, std::int32_t cod, int language) {
    db::Common& c = *doc.commonNames;
    c.setFilter("Of_fish=" + std::to_string(cod) + " AND Language=" + std::to_string(language));
    c.requery();
    return c.isEOF() ? std::string() : c.m_Name;
}

namespace {

// Ancestors' Latin names in front of the taxon's, for levels below genus.
std::string ancestorPrefix(db::CFishesDoc& doc, const Taxon& taxon) {
    std::string prefix;
    if (isSynonym(taxon.classific) || stopsNameClimb(taxon.classific)) return prefix;
    std::int32_t parent = taxon.ofCod;
    for (int depth = 0; depth < 64 && parent != 0; ++depth) {  // a cycle must not hang the catalogue
        std::optional<Taxon> up = findTaxon(doc, parent);
        if (!up) break;
        prefix = up->latName + " " + prefix;
        if (stopsNameClimb(up->classific) || up->classific == 0) break;
        parent = up->ofCod;
    }
    return prefix;
}

}  // namespace

std::string displayName(db::CFishesDoc& doc, const Taxon& taxon, int language) {
    std::string name = ancestorPrefix(doc, taxon) + taxon.latName;
    if (taxon.author != kNoAuthor && !taxon.author.empty() && taxon.classific != kClassLevel)
        name += " " + taxon.author;
    std::string common = commonName(doc, taxon.cod, language);
    if (!common.empty()) name += " (" + common + ")";
    return name;
}

std::string fullLatinName(db::CFishesDoc& doc, const Taxon& taxon) {
    return ancestorPrefix(doc, taxon) + taxon.latName;
}

std::string classDirectory(db::CFishesDoc& doc, const Taxon& taxon) {
    std::int32_t classCode = taxon.classific == kClassLevel ? taxon.cod : taxon.classCode;
    std::optional<Taxon> cls = findTaxon(doc, classCode);
    if (!cls) return std::string();
    return "\\Classes\\" + core::classDirectoryName(cls->latName);
}

}  // namespace catalogue
