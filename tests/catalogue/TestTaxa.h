// Small catalogue builders for the catalogue tests.
#pragma once

#include <string>

#include "catalogue/Taxonomy.h"

namespace testtaxa {

inline std::int32_t addTaxon(db::CFishesDoc& doc, const std::string& name, std::int32_t level, std::int32_t parent,
                             std::int32_t cls = 14, const std::string& author = ", ") {
    db::Fish& t = *doc.taxa;
    t.addNew();
    t.m_Lat_name = name;
    t.m_Author = author;
    t.m_Classific = level;
    t.m_Of_cod = parent;
    t.m_Class = cls;
    t.update();
    return static_cast<std::int32_t>(t.lastInsertedKey());
}

inline void addCommon(db::CFishesDoc& doc, std::int32_t cod, const std::string& name, int language) {
    db::Common& c = *doc.commonNames;
    c.addNew();
    c.m_Of_fish = cod;
    c.m_Name = name;
    c.m_Language = language;
    c.update();
}

// Pisces > Ostariophysi > Characiformes > Characidae > {Hyphessobrycon, Paracheirodon}
// with species below both and a synonym of Paracheirodon.
struct Tetras {
    std::int32_t superorder, order, family, hyphesso, paracheirodon, amandae, axelrodi, innesi, simulans, cheirodon;
    explicit Tetras(db::CFishesDoc& doc) {
        superorder = addTaxon(doc, "Ostariophysi", 131072, 14);
        order = addTaxon(doc, "Characiformes", 65536, superorder);
        family = addTaxon(doc, "Characidae", 4096, order, 14, "Latreille, 1825");
        hyphesso = addTaxon(doc, "Hyphessobrycon", 512, family);
        paracheirodon = addTaxon(doc, "Paracheirodon", 512, family, 14, "Géry, 1960");
        amandae = addTaxon(doc, "amandae", 64, hyphesso);
        innesi = addTaxon(doc, "innesi", 64, paracheirodon, 14, "Myers, 1936");
        axelrodi = addTaxon(doc, "axelrodi", 64, paracheirodon);
        simulans = addTaxon(doc, "simulans", 64, paracheirodon);
        cheirodon = addTaxon(doc, "Cheirodon", 512 + catalogue::kSynonymOffset, paracheirodon);
    }
};

}  // namespace testtaxa
