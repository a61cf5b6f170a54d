// The class entries of the Catalogs menu (classes marked "Set to menu") and
// what the catalogue window is opened with for an entry or for the main
// window's "Fish catalogue" button.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"

namespace catalogue {

struct MenuClass {
    int cod = 0;
    std::string latName;
    std::string common[2];  // first common name in English and in Russian
    // The common name in the language, else the Latin name.
    std::string label(int language) const;
};

// A class's visibility string ends with "1" when the class is set to the menu.
bool isMarkedForMenu(const std::string& author);

// Every class marked for the menu, in Latin-name order, with its names in
// both languages, so a language switch relabels without reading the database.
std::vector<MenuClass> menuClasses(db::CFishesDoc& doc);

struct CatalogueRequest {
    int classCode = 0;
    std::string title;        // "Fishes catalog"
    std::string heading;      // "Class Pisces"
    int startTaxon = 0;       // the taxon current on opening
    int core::Settings::*remember = nullptr;  // where OK stores the current taxon, if anywhere
};

// Class entry n (from 1) of the menu; nothing when fewer classes are marked.
std::optional<CatalogueRequest> classCatalogueRequest(db::CFishesDoc& doc, const core::Settings& settings, int n);

// The "Fish catalogue" button.
CatalogueRequest fishCatalogueRequest(const core::Settings& settings);

}  // namespace catalogue
