#include "catalogue/NameCheck.h"

#include <cctype>

#include "db/Dialect.h"

namespace catalogue {

namespace {

constexpr int kListedBranches = 21;
constexpr int kMaxDepth = 64;  // a cycle in Of_cod must not hang the walk

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool neverAsksBranches(const std::string& name) { return name == "sp." || name == "x"; }

std::vector<Taxon> readTaxa(db::CFishesDoc& doc, const std::string& filter, std::int32_t except) {
    std::vector<Taxon> found;
    db::Fish& t = *doc.taxa;
    t.setFilter(filter);
    t.requery();
    for (; !t.isEOF(); t.moveNext())
        if (t.m_Cod != except) found.push_back(taxonOf(t));
    return found;
}

std::string nameFilter(const std::string& name) { return "Lat_name='" + db::quoteText(name) + "'"; }

// Taxa and synonyms of the name at a row's level in the class: what the row's find list holds.
std::vector<Taxon> sameNameAtLevel(db::CFishesDoc& doc, const CatalogueModel& model, std::int32_t level,
                                   const std::string& name, std::int32_t except) {
    std::string l = std::to_string(level), s = std::to_string(std::int64_t(level) + kSynonymOffset);
    return readTaxa(doc,
                    nameFilter(name) + " AND Class=" + std::to_string(model.classCode()) + " AND (Classific=" + l +
                        " OR Classific=" + s + ")",
                    except);
}

// Path of names from below 8192 down to the taxon, each followed by a blank.
std::string branchPath(db::CFishesDoc& doc, Taxon t) {
    std::string path;
    for (int depth = 0; depth < kMaxDepth && acceptedLevel(t.classific) < kBranchPathLevel; ++depth) {
        path = t.latName + " " + path;
        std::optional<Taxon> up = findTaxon(doc, t.ofCod);
        if (!up) break;
        t = *up;
    }
    return path;
}

bool siblingsAllow(platform::Prompter& prompter, CatalogueModel& model, int row, const std::string& name,
                   std::int32_t renamed) {
    const CatalogueRow& r = model.rows()[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < r.path.size(); ++i) {
        if (r.path[i].cod == renamed || !equalNoCase(r.path[i].latName, name)) continue;
        if (prompter.ask(r.label + " " + name + " already exists!\nDo you wanna allow there?") == platform::Answer::Yes)
            model.choosePath(row, static_cast<int>(i));
        return false;
    }
    return true;
}

bool otherBranchesAllow(db::CFishesDoc& doc, platform::Prompter& prompter, CatalogueModel& model, int row,
                        const std::string& name, std::int32_t renamed) {
    const CatalogueRow& r = model.rows()[static_cast<std::size_t>(row)];
    const std::string label = r.label;
    std::vector<Taxon> hits = sameNameAtLevel(doc, model, r.layout.level, name, renamed);
    if (hits.empty()) return true;
    std::vector<Taxon> records = readTaxa(doc, nameFilter(name), renamed);
    if (!records.empty() && !isSynonym(records.front().classific) && records.front().classific > kEpithetLevel) {
        if (prompter.ask(label + " " + name + " already exists in other branch!\nDo you wanna allow there?") ==
            platform::Answer::Yes)
            model.show(hits.back().cod);
        return false;
    }
    return prompter.ask(label + " " + name + " has founded in these branch:\n" + branchLines(doc, records) +
                        "\n\nDo you wanna create it nevertheless?") == platform::Answer::Yes;
}

// The first row's find list is never filled, so only its siblings count.
bool rowAllows(db::CFishesDoc& doc, platform::Prompter& prompter, CatalogueModel& model, int row,
               const std::string& name, std::int32_t renamed) {
    if (!siblingsAllow(prompter, model, row, name, renamed)) return false;
    if (row == 0 || !model.findOn() || neverAsksBranches(name)) return true;
    return otherBranchesAllow(doc, prompter, model, row, name, renamed);
}

}  // namespace

std::string trimTrailingBlanks(const std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string normaliseLatinName(const std::string& name, std::int32_t level) {
    std::string out = name;
    if (out.empty()) return out;
    unsigned char first = static_cast<unsigned char>(out[0]);
    out[0] = static_cast<char>(level <= kEpithetLevel ? std::tolower(first) : std::toupper(first));
    return out;
}

std::string branchLines(db::CFishesDoc& doc, const std::vector<Taxon>& records) {
    std::string lines;
    int listed = 0;
    for (const Taxon& record : records) {
        bool synonym = isSynonym(record.classific);
        Taxon accepted = record;
        if (synonym)
            if (std::optional<Taxon> a = findTaxon(doc, record.ofCod)) accepted = *a;
        lines = (synonym ? " \nsynonym of " : "\n") + branchPath(doc, accepted) + lines;
        if (++listed == kListedBranches) {
            lines += "\n and in many others...";
            break;
        }
    }
    return lines;
}

bool checkLatinName(db::CFishesDoc& doc, platform::Prompter& prompter, CatalogueModel& model, int row,
                    const std::string& name, std::int32_t renamed) {
    const auto& rows = model.rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return false;
    if (rows[static_cast<std::size_t>(row)].layout.level <= kEpithetLevel)
        return rowAllows(doc, prompter, model, row, name, renamed);
    // Names above the epithets are checked against every such row together.
    for (int r = 0; r < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(r)].layout.level > kEpithetLevel; ++r)
        if (!rowAllows(doc, prompter, model, r, name, renamed)) return false;
    return true;
}

}  // namespace catalogue
