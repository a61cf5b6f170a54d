#include "catalogue/HighTaxonomyEditing.h"

#include "catalogue/HighTaxonomy.h"
#include "catalogue/NameCheck.h"
#include "catalogue/TaxonEditing.h"

namespace catalogue {

std::optional<HighTaxonItem> createHighTaxon(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t parent,
                                             std::int32_t level, int language) {
    std::string latin, common;
    if (!prompter.askText("Enter latin name", latin)) return std::nullopt;
    latin = trimTrailingBlanks(latin);
    if (latin.empty()) return std::nullopt;
    if (!prompter.askText("Enter common name", common)) return std::nullopt;
    Taxon taxon{0, parent, level, 0, latin, level == kClassLevel ? kNewClassVisibility : kNoAuthor};
    MarkedRow added = insertMarked(doc, taxon, kHighTaxonomyMarker);
    try {
        writeCommonName(doc, added.cod, language, common);
    } catch (...) {
        deleteRows(*doc.taxa, "Cod=" + std::to_string(added.cod));  // all of the new taxon or none of it
        throw;
    }
    return HighTaxonItem{added.cod, treeLabel(latin, common)};
}

std::optional<HighTaxonItem> editHighTaxon(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t cod,
                                           int language) {
    std::optional<Taxon> taxon = findTaxon(doc, cod);
    if (!taxon) return std::nullopt;
    std::string latin = taxon->latName, common = commonName(doc, cod, language);
    if (!prompter.askText("Edit latin name", latin)) return std::nullopt;
    latin = trimTrailingBlanks(latin);
    if (latin.empty()) return std::nullopt;
    if (!prompter.askText("Edit common name", common)) return std::nullopt;
    db::Fish& t = *doc.taxa;
    t.setFilter("Cod=" + std::to_string(cod));
    t.requery();
    if (t.isEOF()) return std::nullopt;
    t.edit();
    t.m_Lat_name = latin;
    t.update();
    writeCommonName(doc, cod, language, common);
    return HighTaxonItem{cod, treeLabel(latin, common)};
}

}  // namespace catalogue
