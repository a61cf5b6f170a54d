#include "site/SpeciesPage.h"

#include <optional>
#include <vector>

#include "catalogue/PackedField.h"
#include "site/CardLists.h"
#include "catalogue/PlantCard.h"

namespace site {

namespace fs = std::filesystem;
using catalogue::Taxon;

LevelNames::LevelNames(db::CFishesDoc& doc) {
    db::Classific& ranks = *doc.ranks;
    const std::string filter = ranks.filter();
    ranks.setFilter("");
    ranks.requery();
    for (; !ranks.isEOF(); ranks.moveNext()) names_[ranks.m_Number] = {ranks.m_Type, ranks.m_Type_rus};
    ranks.setFilter(filter);
    ranks.requery();
}

std::string LevelNames::english(std::int32_t level) const {
    auto it = names_.find(level);
    return it == names_.end() ? std::string() : it->second.first;
}

std::string LevelNames::label(std::int32_t level, int language) const {
    auto it = names_.find(level);
    if (it == names_.end()) return std::string();
    return language == 1 && !it->second.second.empty() ? it->second.second : it->second.first;
}

namespace {

// The author as a page shows it: none for an empty author and year, and
// none for a class, whose Author holds its level-visibility string.
std::string authorText(const Taxon& t) {
    if (t.author == catalogue::kNoAuthor || t.classific == catalogue::kClassLevel) return std::string();
    return t.author;
}

std::string authorAndCommon(db::CFishesDoc& doc, const Taxon& t) {
    std::string s = authorText(t);
    std::string common = catalogue::commonName(doc, t.cod, 0);
    if (!common.empty()) s += " (" + common + ")";
    return s;
}

bool allEmpty(const std::vector<std::string>& pieces) {
    for (const std::string& p : pieces)
        if (!p.empty()) return false;
    return true;
}

// The non-empty water pieces with their units, joined by ", ".
std::string waterLine(const std::vector<std::string>& pieces, int count) {
    static const char* const kUnits[5] = {"°C", " pH", " dGh", " dKh", " ‰"};
    std::string line;
    for (int i = 0; i < count && i < static_cast<int>(pieces.size()); ++i) {
        if (pieces[i].empty()) continue;
        if (!line.empty()) line += ", ";
        line += pieces[i] + kUnits[i];
    }
    return line;
}

// A habitat code as the card stores it; anything else is no code at all.
std::optional<std::uint32_t> habitatCode(const std::string& token) {
    if (token.empty() || token.size() > 9) return std::nullopt;
    std::uint32_t n = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return n;
}

struct LinkRow {
    std::string http, email, ftp, name;
};

struct TaxonLinks {
    std::vector<LinkRow> links;    // Type 0
    std::vector<LinkRow> persons;  // Type 1, the persons responsible
};

// Both kinds in one query; each keeps the record object's order.
TaxonLinks linksOf(db::CFishesDoc& doc, std::int32_t cod) {
    db::Links& l = *doc.links;
    l.setFilter("Of_fish=" + std::to_string(cod) + " AND Type IN (0, 1)");
    l.requery();
    TaxonLinks found;
    for (; !l.isEOF(); l.moveNext())
        (l.m_Type == 0 ? found.links : found.persons).push_back({l.m_HTTP, l.m_E_mail, l.m_FTP, l.m_Name});
    return found;
}

std::string linkEntry(const LinkRow& l) {
    std::string s;
    if (!l.http.empty() && l.http != "http://")
        s = "<font color=\"#008000\"><b><a href=\"" + l.http + "\">" + l.name + "</a></b></font>\n";
    else
        s = "<font color=\"#008000\"><b>" + l.name + "</b></font>\n";
    if (!l.email.empty())
        s += "(<font color=\"#008000\"><b><a href=\"mailto:" + l.email + "\">e-mail</a></b></font>)\n";
    if (!l.ftp.empty() && l.ftp != "ftp://")
        s += "(<font color=\"#008000\"><b><a href=\"" + l.ftp + "\">FTP</a></b></font>)\n";
    return s;
}

std::string rowHead(const std::string& caption) {
    return "<tr>\n<td width=\"20%\"><font color=\"#00F0F0\" size=\"4\"><b><i>" + caption +
           "</i></b></font></td>\n<td width=\"80%\">\n";
}

// Items of a conditions row: "<br>\n" before each but the first.
struct Items {
    std::string& s;
    bool first = true;
    void add(const std::string& item) {
        if (!first) s += "<br>\n";
        s += item;
        first = false;
    }
};

std::string item(const std::string& head, const std::string& value) {
    return "<font color=\"#008000\" size=\"2\"><b>" + head + ": </b></font>" + value + "\n";
}
std::string linkedItem(const std::string& other, const std::string& page, const std::string& head,
                       const std::string& value) {
    return item("<a href=\"" + other + page + ".html\">" + head + "</a>", value);
}

struct StageRow {
    const Stage* stage;
    std::string caption;
    std::string size;
};

std::vector<std::string> folderParts(const std::string& backslashPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= backslashPath.size()) {
        std::size_t end = backslashPath.find('\\', start);
        if (end == std::string::npos) end = backslashPath.size();
        if (end > start) parts.push_back(backslashPath.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// From a page in one folder to a page in another: "m5.html",
// "../m5.html", "Pisces/m14.html".
std::string relativeHref(const std::string& fromFolder, const std::string& toFolder, const std::string& page) {
    const std::vector<std::string> from = folderParts(fromFolder), to = folderParts(toFolder);
    std::size_t common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
    std::string href;
    for (std::size_t i = common; i < from.size(); ++i) href += "../";
    for (std::size_t i = common; i < to.size(); ++i) href += to[i] + "/";
    return href + page;
}

std::string pageFile(std::int32_t cod) { return "m" + std::to_string(cod) + ".html"; }

}  // namespace

std::string pageNameLine(db::CFishesDoc& doc, const Taxon& t) { return t.latName + " " + authorAndCommon(doc, t); }

// What the page's folder and style change: the prefix reaching the work
// directory, the pictures' folder and how they are referred to.
struct SpeciesPages::Place {
    std::string folder;  // "\Classes\Pisces" or "\Classes"
    std::string prefix;  // "../../" or "../"
    std::string imagesDir;     // below the work directory
    std::string imagesHref;    // "Images\" or "..\Images\"
    std::string level;         // the title's and heading's level name
    TaxonPageStyle style = TaxonPageStyle::Catalogue;
};

// The card of either group: its stage sizes and habitats.
struct SpeciesPages::Body {
    bool hasCard = false;
    std::vector<StageRow> stages;
    std::string habitat;
};

SpeciesPages::SpeciesPages(db::CFishesDoc& doc, const SiteEnv& env) : doc_(doc), env_(env), levels_(doc) {}
SpeciesPages::~SpeciesPages() = default;

std::string SpeciesPages::classDirectory(const Taxon& t) {
    std::int32_t classCode = t.classific == catalogue::kClassLevel ? t.cod : t.classCode;
    auto it = classDirs_.find(classCode);
    if (it != classDirs_.end()) return it->second;
    std::string dir = catalogue::classDirectory(doc_, t);
    classDirs_[classCode] = dir;
    return dir;
}

std::string SpeciesPages::folderOf(const Taxon& t) {
    if (catalogue::acceptedLevel(t.classific) > catalogue::kClassLevel) return "\\Classes";
    return classDirectory(t);
}

fs::path SpeciesPages::pagePath(const Taxon& t) {
    std::string dir = folderOf(t);
    if (dir.empty()) return fs::path();
    return env_.path(dir + "\\" + pageFile(t.cod));
}

PictureIndex& SpeciesPages::picturesOf(const std::string& imagesDir) {
    std::unique_ptr<PictureIndex>& index = pictures_[imagesDir];
    if (!index) index = std::make_unique<PictureIndex>(env_.path(imagesDir));
    return *index;
}

bool SpeciesPages::rewriteIfExists(std::int32_t cod) {
    std::optional<Taxon> t = catalogue::findTaxon(doc_, cod);
    if (!t) return false;
    fs::path page = pagePath(*t);
    std::error_code ec;
    if (page.empty() || !fs::exists(page, ec)) return false;
    return write(cod);
}

bool SpeciesPages::write(std::int32_t cod, const std::string& levelLabel, TaxonPageStyle style) {
    std::optional<Taxon> found = catalogue::findTaxon(doc_, cod);
    if (!found) return false;
    const Taxon taxon = *found;
    const fs::path output = pagePath(taxon);
    if (output.empty()) return false;
    const Group group = taxon.classCode == catalogue::kFishClass ? Group::Animal : Group::Plant;
    Place place;
    place.style = style;
    place.folder = folderOf(taxon);
    const bool inClasses = place.folder == "\\Classes";
    place.prefix = inClasses ? "../" : "../../";
    // Taxa above the classes keep their pictures in the work directory's "Images".
    place.imagesDir = inClasses ? "\\Images" : place.folder + "\\Images";
    place.imagesHref = inClasses ? "..\\Images\\" : "Images\\";
    if (!levelLabel.empty()) place.level = levelLabel;
    else if (style == TaxonPageStyle::MainPageRun) place.level = levels_.english(taxon.classific);
    else place.level = levels_.label(taxon.classific, env_.language);
    const std::string title = "<title>" + place.level + " " + taxon.latName + "</title>\n";
    // A class added after the first run has no directory yet.
    std::error_code ec;
    fs::create_directories(inClasses ? output.parent_path() : output.parent_path() / "Images", ec);
    // The body is read inside the writer: nothing is read or changed for a page that cannot be written.
    return writePage(env_, output, title, inClasses ? PageKind::ClassesPage : PageKind::ClassPage,
                     [&](PageOut& out) { out.write(bodyOf(taxon, group, place)); });
}

const std::optional<std::string>& SpeciesPages::habitatName(std::uint32_t code) {
    auto it = habitatNames_.find(code);
    if (it != habitatNames_.end()) return it->second;
    db::Habitat& h = *doc_.habitats;
    h.setFilter("Cod=" + std::to_string(code));
    h.requery();
    std::optional<std::string> name;
    if (!h.isEOF()) name = h.m_Name;
    return habitatNames_.emplace(code, std::move(name)).first->second;
}

std::string SpeciesPages::bodyOf(const Taxon& taxon, Group group, const Place& place) {
    PictureIndex& pictures = picturesOf(place.imagesDir);
    const bool mainRun = place.style == TaxonPageStyle::MainPageRun;
    const std::string& level = place.level;
    const std::string other = place.prefix + "Other/";
    const std::string mainPage = place.prefix + "Reedmere.html";

    // Parent, children and synonyms, copied out before the names are looked up.
    std::optional<Taxon> parent = taxon.ofCod != 0 ? catalogue::findTaxon(doc_, taxon.ofCod) : std::nullopt;
    std::vector<Taxon> children, synonyms;
    {
        db::Fish& rows = *doc_.taxa2;
        rows.setFilter("Of_cod=" + std::to_string(taxon.cod));
        rows.requery();
        for (; !rows.isEOF(); rows.moveNext()) {
            if (rows.m_Classific < catalogue::kSynonymOffset) children.push_back(catalogue::taxonOf(rows));
            else if (catalogue::isSynonym(rows.m_Classific)) synonyms.push_back(catalogue::taxonOf(rows));
        }
    }

    std::string s;
    s.reserve(8192);
    s += "<font color=\"#00FF00\" size=\"6\"><em><strong>" + level + "</strong></em></font>\n";
    s += "<font color=\"#C0C0C0\" size=\"6\"><strong>" + taxon.latName + "</strong></font><br>\n";
    s += "<font color=\"#808080\" size=\"5\"><strong>" + authorAndCommon(doc_, taxon) + "</strong></font>\n";
    s += "</p>\n<p>\n";
    s += "<table border=\"3\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" bordercolorlight=\"#FFFFFF\" "
         "bordercolordark=\"#008000\" bordercolor=\"#C0C0C0\">\n";

    auto picture = [&](const Taxon& t, const char* width) {
        std::optional<std::string> name = pictures.representative(group, t.cod);
        if (!name) return;
        const std::string r = place.imagesHref + *name;
        s += "<a href=\"" + r + "\"><img src=\"" + r + "\" width=\"" + width + "\" alt=\"" + t.latName +
             "\" align=\"center\"></a>\n";
    };

    // Parent and children, each linked from this page's folder to its own.
    // The root has no page: a child of the root leads to the main page.
    const bool parentIsRoot = parent && parent->classific == catalogue::kRootLevel;
    s += "<tr>\n<td width=\"34%\"><strong><font color=\"#00FF00\" size=\"3\">" +
         (parent && !parentIsRoot ? levels_.english(parent->classific) : std::string()) + "\n";
    if (parentIsRoot) {
        s += "<a href=\"" + mainPage + "\">Reed Mere main page</a>";
    } else if (parent) {
        picture(*parent, "30%");
        s += "<a href=\"" + relativeHref(place.folder, folderOf(*parent), pageFile(parent->cod)) + "\">" +
             pageNameLine(doc_, *parent) + "</a>";
    }
    s += "</font></strong>\n</td>\n<td width=\"66%\">\n";
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Taxon& c = children[i];
        if (i) s += "<br>\n";
        s += "<strong><font color=\"#00FF00\" size=\"3\">" + levels_.english(c.classific) + "\n";
        picture(c, "20%");
        s += "<a href=\"" + relativeHref(place.folder, folderOf(c), pageFile(c.cod)) + "\">" + pageNameLine(doc_, c) +
             "</a></font></strong>\n";
    }
    s += "</tr>\n";

    if (!synonyms.empty()) {
        s += "<tr>\n<td width=\"20%\"><font color=\"#00F0F0\" size=\"4\"><b><i>Synonyms:</i></b></font></td>\n";
        s += "<td width=\"80%\">\n";
        for (std::size_t i = 0; i < synonyms.size(); ++i) {
            if (i) s += "<br>\n";
            s += "<strong><font color=\"#00FF00\" size=\"3\">" + pageNameLine(doc_, synonyms[i]) + "</font></strong>\n";
        }
        s += "</tr>\n";
    }

    // The card: stage sizes, habitats and the conditions rows of its group.
    Body card;
    std::string conditions;
    if (group == Group::Animal) {
        db::Fishes& f = *doc_.animalCards;
        f.setFilter("Of_fish=" + std::to_string(taxon.cod));
        f.requery();
        if (!f.isEOF()) {
            card.hasCard = true;
            const std::vector<Stage>& st = stagesOf(Group::Animal);
            const std::string sizes[5] = {f.m_M_len, f.m_F_len, f.m_J_len, f.m_Fr_len, f.m_Egg_size};
            for (std::size_t i = 0; i < st.size(); ++i) card.stages.push_back({&st[i], st[i].caption, sizes[i]});
            if (mainRun) card.stages.back().caption = "Egg:";
            card.habitat = f.m_Habitat;

            std::vector<std::string> keep = catalogue::unpack(f.m_Keep_cond, catalogue::kKeepFields);
            if (!f.m_Forage.empty() || !allEmpty(keep)) {
                conditions += rowHead("Conditions of keeping:");
                Items items{conditions};
                if (!f.m_Forage.empty()) items.add(linkedItem(other, "forage", "Forage", f.m_Forage));
                std::string water = waterLine(keep, 5);
                if (!water.empty()) items.add(linkedItem(other, "water", "Water", water));
                if (!keep[5].empty()) items.add(linkedItem(other, "tank", "Minimal tank volume", keep[5] + " liters"));
                if (!keep[6].empty()) items.add(linkedItem(other, "waterch", "Water changing", keep[6]));
                conditions += "</tr>\n";
            }
            std::vector<std::string> spawn = catalogue::unpack(f.m_Spawn_cond, catalogue::kSpawnFields);
            if (!f.m_Forage_fr.empty() || !allEmpty(spawn)) {
                conditions += rowHead("Conditions of spawning:");
                Items items{conditions};
                if (!f.m_Forage_fr.empty()) items.add(linkedItem(other, "forage", "First food", f.m_Forage_fr));
                std::string water = waterLine(spawn, 5);
                if (!water.empty()) items.add(linkedItem(other, "water", "Water", water));
                if (!spawn[5].empty()) items.add(linkedItem(other, "tank", "Minimal tank volume", spawn[5] + " liters"));
                if (!spawn[6].empty()) items.add(item("Season", seasonPiece(spawn[6])));
                if (!spawn[7].empty()) items.add(linkedItem(other, "substrat", "Substrat", substratePiece(spawn[7])));
                if (!spawn[8].empty())
                    items.add(linkedItem(other, "push", mainRun ? "Push to spawning" : "To encourage spawning",
                                         spawn[8]));
                conditions += "</tr>\n";
            }
            const long long sum = static_cast<long long>(f.m_Egg_quant) + f.m_Egg_term + f.m_Fr_perc + f.m_Fr_term;
            if (sum > 0) {
                conditions += rowHead("Reproduction:");
                Items items{conditions};
                if (f.m_Egg_quant > 0)
                    items.add(linkedItem(other, "eggs", "Number of eggs", std::to_string(f.m_Egg_quant) + " ones"));
                if (f.m_Egg_term > 0)
                    items.add(linkedItem(other, "eggs", "Eggs incubation's term", std::to_string(f.m_Egg_term) + " days"));
                if (f.m_Fr_perc > 0)
                    items.add(linkedItem(other, "larvas", "Percent of larvas", std::to_string(f.m_Fr_perc) + "%"));
                if (f.m_Fr_term > 0)
                    items.add(linkedItem(other, "larvas", "Term from larva to fry", std::to_string(f.m_Fr_term) + " days"));
                conditions += "</tr>\n";
            }
        }
    } else {
        db::Plants& p = *doc_.plantCards;
        p.setFilter("Of_cod=" + std::to_string(taxon.cod));
        p.requery();
        if (!p.isEOF()) {
            card.hasCard = true;
            const std::vector<Stage>& st = stagesOf(Group::Plant);
            const std::string sizes[4] = {p.m_Height, p.m_Spr_size, p.m_Fl_size, p.m_Seed_size};
            for (std::size_t i = 0; i < st.size(); ++i) card.stages.push_back({&st[i], st[i].caption, sizes[i]});
            card.habitat = p.m_Habitat;

            std::vector<std::string> keep = catalogue::unpack(p.m_Keep_cond, catalogue::kPlantKeepFields);
            keep.resize(catalogue::kPlantWaterPieces);
            if (!p.m_Substrat.empty() || !allEmpty(keep)) {
                conditions += rowHead("Conditions of keeping:");
                Items items{conditions};
                if (!p.m_Substrat.empty()) items.add(linkedItem(other, "substrat", "Substrat", p.m_Substrat));
                std::string water = waterLine(keep, catalogue::kPlantWaterPieces);
                if (!water.empty()) items.add(item("Condition", water));
                conditions += "</tr>\n";
            }
        }
    }

    if (card.hasCard) {
        for (const StageRow& row : card.stages) {
            std::vector<std::string> files = pictures.pictures(row.stage->letter, taxon.cod);
            if (files.empty() && row.size.empty()) continue;
            s += "<tr>\n<td width=\"20%\"><font color=\"#00F0F0\" size=\"4\"><b><i>" + row.caption +
                 "</i></b></font>";
            if (!row.size.empty()) s += " upto " + row.size + " mm";
            s += "</td>\n<td width=\"80%\">\n";
            for (const std::string& name : files) {
                const std::string r = place.imagesHref + name;
                s += "<a href=\"" + r + "\"><img src=\"" + r + "\" width=\"24%\" alt=\"" + row.caption + "\"></a>\n";
            }
            s += "</td>\n</tr>\n";
        }

        if (!card.habitat.empty()) {
            s += rowHead("Natural habitat:");
            std::string kept;
            bool anyWritten = false;
            std::size_t start = 0;
            while (start <= card.habitat.size()) {
                std::size_t comma = card.habitat.find(',', start);
                if (comma == std::string::npos) comma = card.habitat.size();
                const std::string token = card.habitat.substr(start, comma - start);
                start = comma + 1;
                std::optional<std::uint32_t> code = habitatCode(token);
                const std::optional<std::string> found = code ? habitatName(*code) : std::nullopt;
                if (!found) continue;
                const std::string& name = *found;
                if (!kept.empty()) kept += ",";
                kept += token;
                if (anyWritten) s += "<br>";
                s += "<strong><font color=\"#00FF00\" face=\"Times New Roman\"><a href=\"" + other + name +
                     ".html\">\n" + name + "</a></font></strong>\n";
                anyWritten = true;
            }
            s += "</tr>\n";
            if (kept != card.habitat) {
                // A habitat deleted since the card was made: the card forgets it.
                if (group == Group::Animal) {
                    db::Fishes& f = *doc_.animalCards;
                    f.edit();
                    f.m_Habitat = kept;
                    f.update();
                } else {
                    db::Plants& p = *doc_.plantCards;
                    p.edit();
                    p.m_Habitat = kept;
                    p.update();
                }
            }
        }

        db::CDescr& d = *doc_.descriptions;
        d.setFilter("Of_fish=" + std::to_string(taxon.cod) + " AND Language=" + std::to_string(env_.language));
        d.requery();
        if (!d.isEOF() && !d.m_Text.empty()) s += rowHead("Description:") + d.m_Text + "\n</tr>\n";

        s += conditions;
    }

    // Links, the survey image and the persons responsible.
    const std::string own = "<font color=\"#008000\"><b><a href=\"" + env_.wwwServer +
                            "\">Ivo Marsk</a></b></font>\n(<font color=\"#008000\"><b><a href=\"mailto:" +
                            env_.eMail + "\">e-mail</a></b></font>)\n";
    const TaxonLinks links = linksOf(doc_, taxon.cod);
    s += rowHead("Links:") + own;
    for (const LinkRow& l : links.links) s += "<br>\n" + linkEntry(l);
    s += "</tr>\n</table>\n";

    std::string survey =
        taxon.classific == catalogue::kFamilyLevel ? "s" + std::to_string(taxon.cod) + ".html" : "survey.html";
    if (mainRun) survey = mainPage;
    s += "<p align=\"center\"><a href=\"" + survey + "\"><img src=\"" + place.prefix +
         "survey.jpg\" border=\"0\" alt=\"Taxonomy survey\"></a><br>\n";

    s += "<hr>\n<font color=\"#C0C0C0\" size=\"4\"><b>Responsible for the information is the member of Project "
         "support Committee:</b></font><br>\n";
    const std::vector<LinkRow>& persons = links.persons;
    if (persons.empty()) s += own;
    for (std::size_t i = 0; i < persons.size(); ++i) {
        if (i) s += "<br>\n";
        s += linkEntry(persons[i]);
    }

    return s;
}

}  // namespace site
