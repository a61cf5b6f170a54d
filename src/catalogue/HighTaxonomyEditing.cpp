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
    const MarkedRow added = db::inTransaction(*doc.db, [&] {
        MarkedRow row = insertMarked(doc, taxon, kHighTaxonomyMarker);
        writeCommonName(doc, row.cod, language, common);
        return row;
    });
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
    const bool found = db::inTransaction(*doc.db, [&] {
        db::Fish& t = *doc.taxa;
        t.setFilter("Cod=" + std::to_string(cod));
        t.requery();
        if (t.isEOF()) return false;
        t.edit();
        t.m_Lat_name = latin;
        t.update();
        writeCommonName(doc, cod, language, common);
        return true;
    });
    if (!found) return std::nullopt;
    return HighTaxonItem{cod, treeLabel(latin, common)};
}

}  // namespace catalogue
