// How the catalogue is opened: the fishes catalogue and the class entries
// of the "Catalogs" menu, their captions, starting taxa and remembered
// selections.
#pragma once

#include <string>
#include <vector>

#include "app/Settings.h"
#include "catalogue/TaxonChooser.h"
#include "catalogue/Taxonomy.h"

namespace catalogue {

// The class roots that have their own "Catalogs" entry, in Lat_name order.
std::vector<Taxon> menuClasses(db::CFishesDoc& doc);

// A class's menu text: its common name, or its Lat_name when it has none.
std::string classMenuText(db::CFishesDoc& doc, const Taxon& cls, int language);

// "Fishes catalog", "Class Pisces", class 14, from "Default_fish".
ChooserRequest fishCatalogueRequest(const app::Settings& settings);

// Common name + " catalog", "Class " + Lat_name; the remembered selection
// for 14, 12127 and 12129, the class root for every other class.
ChooserRequest classCatalogueRequest(db::CFishesDoc& doc, const app::Settings& settings, const Taxon& cls);

// Stores the taxon chosen on OK for the classes 14, 12127 and 12129.
void rememberSelection(app::Settings& settings, int classCode, int taxon);

}  // namespace catalogue
