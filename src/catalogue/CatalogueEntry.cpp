#include "catalogue/CatalogueEntry.h"

#include "catalogue/CatalogueModel.h"

namespace catalogue {

namespace {

// The classes whose catalogue remembers its selection between openings.
template <class S>
auto rememberedSetting(S& s, int classCode) -> decltype(&s.Default_fish) {
    switch (classCode) {
    case 14: return &s.Default_fish;
    case 12127: return &s.Default_dicot;
    case 12129: return &s.Default_monocot;
    default: return nullptr;
    }
}

}  // namespace

std::vector<Taxon> menuClasses(db::CFishesDoc& doc) {
    std::vector<Taxon> classes;
    db::Fish& t = *doc.taxa2;
    t.setFilter("Classific=" + std::to_string(kClassLevel));
    t.requery();
    for (; !t.isEOF(); t.moveNext())
        if (hasMenuEntry(t.m_Author)) classes.push_back(taxonOf(t));
    return classes;
}

std::string classMenuText(db::CFishesDoc& doc, const Taxon& cls, int language) {
    std::string name = commonName(doc, cls.cod, language);
    return name.empty() ? cls.latName : name;
}

ChooserRequest fishCatalogueRequest(const app::Settings& settings) {
    return ChooserRequest{"Fishes catalog", "Class Pisces", kFishClass, settings.Default_fish};
}

ChooserRequest classCatalogueRequest(db::CFishesDoc& doc, const app::Settings& settings, const Taxon& cls) {
    const int* remembered = rememberedSetting(settings, cls.cod);
    int start = remembered ? *remembered : cls.cod;
    return ChooserRequest{classMenuText(doc, cls, settings.Default_language) + " catalog", "Class " + cls.latName,
                          cls.cod, start};
}

void rememberSelection(app::Settings& settings, int classCode, int taxon) {
    if (int* remembered = rememberedSetting(settings, classCode)) *remembered = taxon;
}

}  // namespace catalogue
