#include "site/MainPage.h"

#include <vector>

#include "core/WorkPaths.h"
#include "site/SpeciesPage.h"
#include "site/TaxonRuns.h"

namespace site {

using catalogue::Taxon;

namespace {

class HighTaxonomy {
public:
    HighTaxonomy(db::CFishesDoc& doc, const SiteEnv& env, const TaxonLog& log)
        : log_(log), children_(doc), levels_(doc), pages_(doc, env) {}

    void tree(const Taxon& node, std::int32_t rootLevel, std::string& s) {
        const std::vector<Taxon> kids = children_.of(node);
        if (kids.empty() || kids.front().classific == rootLevel || kids.front().classific < catalogue::kClassLevel)
            return;
        s += "<ul>\n";
        for (const Taxon& child : kids) {
            if (child.classific == rootLevel) break;
            // Each child under its own level's name, should siblings differ in level.
            const std::string level = levels_.english(child.classific);
            if (log_) log_(level + " " + child.latName);
            const std::string page = "m" + std::to_string(child.cod) + ".html";
            const std::string href = child.classific == catalogue::kClassLevel
                                         ? "Classes\\" + core::classDirectoryName(child.latName) + "\\" + page
                                         : "Classes\\" + page;
            s += "<li><font color=\"#408080\"><strong>" + level + "</font> <a href=\"" + href + "\">" + child.latName +
                 "</a></strong>\n";
            pages_.write(child.cod, std::string(), TaxonPageStyle::MainPageRun);
            s += "</li>\n";
            tree(child, rootLevel, s);
        }
        s += "</ul>\n";
    }

private:
    const TaxonLog& log_;
    ChildReader children_;
    LevelNames levels_;
    SpeciesPages pages_;
};

}  // namespace

void writeMainPageBody(db::CFishesDoc& doc, const SiteEnv& pageEnv, PageOut& out, const TaxonLog& log) {
    std::string s = "<p align=\"center\"><font color=\"#00A000\" size=\"5\"><b>Reed Mere main page</b></font></p>\n";
    const std::vector<Taxon> roots = taxaOfLevel(doc, catalogue::kRootLevel);
    if (!roots.empty()) {
        HighTaxonomy high(doc, pageEnv, log);
        high.tree(roots.front(), roots.front().classific, s);
    }
    out.write(s);
}

bool writeMainPage(db::CFishesDoc& doc, const SiteEnv& env, const TaxonLog& log) {
    return writePage(env, env.path(kMainPageFile), kMainPageTitle, PageKind::MainPage,
                     [&](PageOut& out) { writeMainPageBody(doc, env, out, log); });
}

}  // namespace site
