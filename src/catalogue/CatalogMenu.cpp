#include "catalogue/CatalogMenu.h"

#include "core/ClassCodes.h"
#include "catalogue/Taxonomy.h"

namespace catalogue {

bool isMarkedForMenu(const std::string& author) { return !author.empty() && author.back() == '1'; }

namespace {

struct MarkedClass {
    int cod;
    std::string latName;
};

// Reads the marked classes first: the common-name lookups move other record objects.
std::vector<MarkedClass> markedClasses(db::CFishesDoc& doc) {
    db::Fish& t = *doc.taxa2;
    t.setFilter("Classific=" + std::to_string(catalogue::kClassLevel));
    t.setSort("Lat_name");
    t.requery();
    std::vector<MarkedClass> out;
    for (; !t.isEOF(); t.moveNext())
        if (isMarkedForMenu(t.m_Author)) out.push_back({t.m_Cod, t.m_Lat_name});
    return out;
}

int core::Settings::*rememberedTaxon(int classCode) {
    switch (classCode) {
    case core::kFishes: return &core::Settings::Default_fish;
    case core::kDicotyledons: return &core::Settings::Default_dicot;
    case core::kMonocotyledons: return &core::Settings::Default_monocot;
    default: return nullptr;
    }
}

}  // namespace

std::string MenuClass::label(int language) const {
    const std::string& name = common[language == 1 ? 1 : 0];
    return name.empty() ? latName : name;
}

std::vector<MenuClass> menuClasses(db::CFishesDoc& doc) {
    std::vector<MenuClass> out;
    for (const MarkedClass& c : markedClasses(doc)) {
        MenuClass m;
        m.cod = c.cod;
        m.latName = c.latName;
        for (int language = 0; language < 2; ++language)
            m.common[language] = catalogue::commonName(doc, c.cod, language);
        out.push_back(m);
    }
    return out;
}

std::optional<CatalogueRequest> classCatalogueRequest(db::CFishesDoc& doc, const core::Settings& settings, int n) {
    std::vector<MarkedClass> marked = markedClasses(doc);
    if (n < 1 || static_cast<std::size_t>(n) > marked.size()) return std::nullopt;
    const MarkedClass& c = marked[n - 1];
    std::string common = catalogue::commonName(doc, c.cod, settings.Default_language);
    CatalogueRequest r;
    r.classCode = c.cod;
    r.title = (common.empty() ? c.latName : common) + " catalog";
    r.heading = "Class " + c.latName;
    r.remember = rememberedTaxon(c.cod);
    r.startTaxon = r.remember ? settings.*r.remember : c.cod;
    return r;
}

CatalogueRequest fishCatalogueRequest(const core::Settings& settings) {
    CatalogueRequest r;
    r.classCode = catalogue::kFishClass;
    r.title = "Fishes catalog";
    r.heading = "Class Pisces";
    r.remember = &core::Settings::Default_fish;
    r.startTaxon = settings.Default_fish;
    return r;
}

}  // namespace catalogue
