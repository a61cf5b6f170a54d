#include "site/Surveys.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "site/SpeciesPage.h"

namespace site {

namespace fs = std::filesystem;
using catalogue::Taxon;

namespace {

constexpr std::int32_t kOrderLevel = 65536;
constexpr std::int32_t kSuperclassLevel = 524288;
constexpr std::int32_t kLowestListedLevel = 63;  // below the species: subspecies are not listed

std::string pageFile(std::int32_t cod) { return "m" + std::to_string(cod) + ".html"; }
std::string surveyFile(std::int32_t cod) { return "s" + std::to_string(cod) + ".html"; }

// Author and English common name as a page's name line has them after the Latin name.
std::string authorAndCommon(db::CFishesDoc& doc, const Taxon& t) {
    return pageNameLine(doc, t).substr(t.latName.size() + 1);
}

// The class directory of each class, looked up once per run.
class ClassFolders {
public:
    explicit ClassFolders(db::CFishesDoc& doc) : doc_(doc) {}
    std::string of(const Taxon& t) {
        const std::int32_t cls = t.classific == catalogue::kClassLevel ? t.cod : t.classCode;
        auto it = dirs_.find(cls);
        if (it == dirs_.end()) it = dirs_.emplace(cls, catalogue::classDirectory(doc_, t)).first;
        return it->second;
    }

private:
    db::CFishesDoc& doc_;
    std::map<std::int32_t, std::string> dirs_;
};

// A page in a class directory that may not exist yet (a class added later).
fs::path classPage(const SiteEnv& env, const std::string& folder, const std::string& file) {
    fs::path page = env.path(folder + "\\" + file);
    std::error_code ec;
    fs::create_directories(page.parent_path(), ec);
    return page;
}

class TaxonomySurvey {
public:
    TaxonomySurvey(db::CFishesDoc& doc, const SiteEnv& env, const RunControl& run)
        : env_(env), run_(run), children_(doc), levels_(doc) {}

    void tree(const Taxon& node, std::int32_t rootLevel, std::string& s) {
        if (run_.stopped()) return;
        const std::vector<Taxon> kids = children_.of(node);
        if (kids.empty() || kids.front().classific == rootLevel || kids.front().classific < catalogue::kFamilyLevel)
            return;
        s += "<ul>\n";
        for (const Taxon& child : kids) {
            if (child.classific == rootLevel) continue;
            if (run_.stopped()) break;
            const std::string label = levels_.label(child.classific, env_.language);
            run_.say(label + " " + child.latName);
            s += "<li><font color=\"#408080\"><strong>" + label + "</font> <a href=\"" + pageFile(child.cod) +
                 "\">" + child.latName + "</a></strong>\n";
            if (child.classific == catalogue::kFamilyLevel)
                s += "<font color=\"#808080\">(contains " + summaryOf(child) +
                     ") </font><strong><a href=\"" + surveyFile(child.cod) + "\">survey</a></strong>\n";
            s += "</li>\n";
            tree(child, rootLevel, s);
        }
        s += "</ul>\n";
    }

private:
    // "2 Genus, 9 Species": the descendants of each level from the family's down.
    std::string summaryOf(const Taxon& family) {
        std::map<std::int32_t, int, std::greater<std::int32_t>> counts;
        std::vector<Taxon> pending = children_.of(family);
        const std::string familyText = family.latName + " ";
        while (!pending.empty()) {
            const Taxon t = std::move(pending.back());
            pending.pop_back();
            if (catalogue::isSynonym(t.classific)) continue;
            ++counts[t.classific];
            if (t.classific == catalogue::kGenusLevel)
                run_.say(familyText + levels_.label(t.classific, env_.language) + " " + t.latName);
            std::vector<Taxon> below = children_.of(t);
            for (Taxon& b : below) pending.push_back(std::move(b));
        }
        std::string summary;
        for (const auto& [level, count] : counts) {
            if (level > catalogue::kFamilyLevel) continue;
            if (!summary.empty()) summary += ", ";
            summary += std::to_string(count) + " " + levels_.label(level, env_.language);
        }
        return summary.empty() ? "nothing" : summary;
    }

    const SiteEnv& env_;
    const RunControl& run_;
    ChildReader children_;
    LevelNames levels_;
};

class FamilySurvey {
public:
    FamilySurvey(db::CFishesDoc& doc, const SiteEnv& env, const RunControl& run)
        : doc_(doc), env_(env), run_(run), children_(doc), levels_(doc), folders_(doc) {}

    // A family of no known class has no folder to go into.
    bool placed(const Taxon& family) { return !folders_.of(family).empty(); }

    bool write(const Taxon& family, RunResult& result) {
        const std::string folder = folders_.of(family);
        if (folder.empty()) return false;
        const fs::path output = classPage(env_, folder, surveyFile(family.cod));
        const std::string title =
            "<title>" + levels_.label(family.classific, env_.language) + " " + family.latName + " survey</title>\n";
        const bool written = writePage(env_, output, title, PageKind::FamilySurvey, [&](PageOut& out) {
            std::string s =
                "<p align=\"center\"><a href=\"survey.html\"><img src=\"../../survey.jpg\" border=\"0\" "
                "alt=\"Taxonomy survey\"></a></p>\n";
            s += ancestorBlock(family);
            content(family, "Family " + family.latName, s);
            out.write(s);
        });
        if (!written) return false;
        result.written = true;
        result.page = output;
        ++result.pages;
        return true;
    }

private:
    // The family and its ancestors up to the class, the highest first. An
    // order's heading drops the levels between it and the family, but
    // never the family's own line.
    std::string ancestorBlock(const Taxon& family) {
        std::string text, familyLine;
        std::optional<Taxon> t = family;
        for (int depth = 0; t && depth < 64 && t->classific < kSuperclassLevel; ++depth) {
            const std::string level = levels_.english(t->classific);
            const std::string link = pageFile(t->cod);
            if (t->classific == kOrderLevel) {
                text = "<font color=\"#00FF00\" size=\"6\"><em><strong>" + level + "</strong></em></font>\n" +
                       "<a href=\"" + link + "\"><font color=\"#C0C0C0\" size=\"6\"><strong>" + t->latName +
                       "</strong></font></a>\n" +
                       "<font color=\"#00FF00\" size=\"6\"><em><strong>survey</strong></em></font><br>\n" +
                       "<font color=\"#808080\" size=\"5\"><strong>" + authorAndCommon(doc_, *t) +
                       "</strong></font>\n" + familyLine;
            } else {
                std::string piece = "<font color=\"#00FFFF\" size=\"5\"><b><i>" + level +
                                    "</font><font color=\"#00FF00\" size=\"5\"></i><a href=\"" + link + "\"> " +
                                    t->latName + "</a></b></font><br>\n";
                if (t->classific == catalogue::kTopCatalogueLevel) piece = "<p align=\"center\">" + piece;
                text = piece + text;
            }
            if (depth == 0) familyLine = text;
            if (t->classific >= catalogue::kClassLevel) break;
            t = t->ofCod != 0 ? catalogue::findTaxon(doc_, t->ofCod) : std::nullopt;
        }
        return text;
    }

    void content(const Taxon& node, const std::string& path, std::string& s) {
        if (run_.stopped()) return;
        const std::vector<Taxon> kids = children_.of(node);
        if (kids.empty() || kids.front().classific == catalogue::kFamilyLevel ||
            kids.front().classific <= kLowestListedLevel)
            return;
        s += "<ul>\n";
        for (const Taxon& child : kids) {
            if (child.classific == catalogue::kFamilyLevel || run_.stopped()) break;
            const std::string level = levels_.english(child.classific);
            const std::string step = path + " " + level + " " + child.latName;
            run_.say(step);
            s += "<li><font color=\"#408080\"><strong>" + level + "</font> <a href=\"" + pageFile(child.cod) + "\">" +
                 pageNameLine(doc_, child) + "</a></strong></li>\n";
            content(child, step, s);
        }
        s += "</ul>\n";
    }

    db::CFishesDoc& doc_;
    const SiteEnv& env_;
    const RunControl& run_;
    ChildReader children_;
    LevelNames levels_;
    ClassFolders folders_;
};

class DescendantPages {
public:
    DescendantPages(db::CFishesDoc& doc, const SiteEnv& env, const RunControl& run)
        : env_(env), run_(run), children_(doc), levels_(doc), pages_(doc, env) {}

    SpeciesPages& pages() { return pages_; }

    // False when a page could not be written: the run ends there.
    bool below(const Taxon& node, RunResult& result) {
        const std::vector<Taxon> kids = children_.of(node);
        for (const Taxon& child : kids) {
            if (catalogue::isSynonym(child.classific)) continue;
            if (run_.stopped()) return true;
            run_.say(levels_.label(child.classific, env_.language) + " " + child.latName);
            if (!pages_.write(child.cod)) return false;
            ++result.pages;
            if (!below(child, result)) return false;
        }
        return true;
    }

private:
    const SiteEnv& env_;
    const RunControl& run_;
    ChildReader children_;
    LevelNames levels_;
    SpeciesPages pages_;
};

}  // namespace

RunResult writeTaxonomySurvey(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t shownClass,
                              const RunControl& run) {
    RunResult result;
    std::optional<Taxon> root;
    for (Taxon& t : taxaOfLevel(doc, catalogue::kClassLevel))
        if (t.latName == kSurveyClass) {
            root = std::move(t);
            break;
        }
    // The survey's links lead to the pages of its own class directory.
    std::optional<Taxon> home = root ? root : catalogue::findTaxon(doc, shownClass);
    const std::string folder = home ? catalogue::classDirectory(doc, *home) : std::string();
    if (folder.empty()) return result;
    const fs::path output = classPage(env, folder, "survey.html");
    TaxonomySurvey survey(doc, env, run);
    result.written = writePage(env, output, "<title>Fish taxonomy survey</title>\n", PageKind::TaxonomySurvey,
                               [&](PageOut& out) {
                                   std::string s =
                                       "<p align=\"center\"><img src=\"../../survey.jpg\" border=\"0\" "
                                       "alt=\"Taxonomy survey\"></p>\n";
                                   if (root) survey.tree(*root, root->classific, s);
                                   out.write(s);
                               });
    if (result.written) {
        result.page = output;
        result.pages = 1;
    }
    return result;
}

RunResult writeFamilySurvey(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t family, const RunControl& run) {
    RunResult result;
    std::optional<Taxon> t = catalogue::findTaxon(doc, family);
    if (!t) return result;
    FamilySurvey survey(doc, env, run);
    survey.write(*t, result);
    return result;
}

RunResult writeFamilySurveys(db::CFishesDoc& doc, const SiteEnv& env, const RunControl& run) {
    RunResult result;
    FamilySurvey survey(doc, env, run);
    for (const Taxon& family : taxaOfLevel(doc, catalogue::kFamilyLevel)) {
        if (run.stopped()) break;
        if (survey.placed(family) && !survey.write(family, result)) break;
    }
    result.page.clear();  // none is shown
    return result;
}

RunResult writeDescendantPages(db::CFishesDoc& doc, const SiteEnv& env, std::int32_t taxon,
                               const std::string& levelLabel, const RunControl& run) {
    RunResult result;
    std::optional<Taxon> t = catalogue::findTaxon(doc, taxon);
    if (!t) return result;
    DescendantPages stair(doc, env, run);
    if (!stair.pages().write(taxon, levelLabel)) return result;
    result.written = true;
    result.page = stair.pages().pagePath(*t);
    result.pages = 1;
    stair.below(*t, result);
    return result;
}

}  // namespace site
