#include "farm/Genealogy.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/Dates.h"
#include "farm/LotNames.h"

namespace farm {

namespace {

// Inbred lines repeat ancestors on many paths; the tree stays bounded.
constexpr std::size_t kMaxNodes = 5000;

struct LotFacts {
    int cod = 0, fish = 0, fry = 0;
    std::string other, place;
    std::time_t firstEat = 0;
};

class Lookup {
public:
    explicit Lookup(db::CFishesDoc& doc) : lots_(*doc.db), spawnings_(*doc.db), names_(*doc.taxa) {}

    std::optional<LotFacts> lot(int cod) {
        lots_.setFilter("Cod=" + std::to_string(cod));
        lots_.requery();
        if (lots_.isEOF()) return std::nullopt;
        return LotFacts{lots_.m_Cod, lots_.m_Of_fish, lots_.m_Of_fry, lots_.m_Other, lots_.m_Place_birth,
                        lots_.m_Date_first_eat};
    }

    db::Incubator* spawning(int cod) {
        spawnings_.setFilter("Cod=" + std::to_string(cod));
        spawnings_.requery();
        return spawnings_.isEOF() ? nullptr : &spawnings_;
    }

    db::Incubator& spawnings() { return spawnings_; }

    std::string text(const LotFacts& l) {
        std::string t = core::formatDate(l.firstEat) + ": " + names_.species(l.fish);
        if (!l.other.empty() && !l.place.empty()) t += " (" + l.other + " from " + l.place + ")";
        else if (!l.other.empty()) t += " (" + l.other + ")";
        else if (!l.place.empty()) t += " (from " + l.place + ")";
        return t;
    }

    std::string partner(int cod) {
        auto l = lot(cod);
        return l ? names_.parent(l->fish, l->other) : names_.parent(0, "");
    }

private:
    db::My_Fish lots_;
    db::Incubator spawnings_;
    TaxonNames names_;
};

void expand(Lookup& look, const LotFacts& lot, GenealogyNode& node, std::vector<int>& path, std::size_t& nodes) {
    if (lot.fry == 2) return;
    path.push_back(lot.cod);
    for (int side = 0; side < 2; ++side) {
        db::Incubator* s = look.spawning(lot.fry);
        if (!s) break;
        int parentCod = side == 0 ? s->m_Of_father : s->m_Of_mother;
        auto parent = look.lot(parentCod);
        if (!parent || nodes >= kMaxNodes) continue;
        node.children.push_back({look.text(*parent), {}});
        ++nodes;
        if (std::find(path.begin(), path.end(), parent->cod) == path.end())
            expand(look, *parent, node.children.back(), path, nodes);
    }
    path.pop_back();
}

}  // namespace

std::string genealogyText(db::CFishesDoc& doc, int lot) {
    Lookup look(doc);
    auto l = look.lot(lot);
    return l ? look.text(*l) : std::string();
}

GenealogyNode ancestorTree(db::CFishesDoc& doc, int lot) {
    Lookup look(doc);
    GenealogyNode root;
    auto l = look.lot(lot);
    if (!l) return root;
    root.text = look.text(*l);
    std::vector<int> path;
    std::size_t nodes = 1;
    expand(look, *l, root, path, nodes);
    return root;
}

std::vector<std::string> spawningsWith(db::CFishesDoc& doc, int lot) {
    Lookup look(doc);
    db::Incubator& s = look.spawnings();
    s.setSort("Date_eggs");
    std::vector<std::string> lines;
    std::int64_t eggs = 0, larvae = 0, fries = 0;
    for (int side = 0; side < 2; ++side) {
        s.setFilter((side == 0 ? "Of_father=" : "Of_mother=") + std::to_string(lot));
        s.requery();
        // Partners are looked up through the same lookup; keep this walk's rows.
        struct Row {
            std::time_t laid;
            int partner, eggs, larvae, fries;
        };
        std::vector<Row> rows;
        for (; !s.isEOF(); s.moveNext())
            rows.push_back({s.m_Date_eggs, side == 0 ? s.m_Of_mother : s.m_Of_father, s.m_Number_eggs,
                            s.m_Number_fries, s.m_Fries_out});
        for (const Row& r : rows) {
            lines.push_back(core::formatDate(r.laid) + ": " + look.partner(r.partner) + " - " +
                            std::to_string(r.eggs) + " eggs, " + std::to_string(r.larvae) + " larvas, " +
                            std::to_string(r.fries) + " fries");
            eggs += r.eggs;
            larvae += r.larvae;
            fries += r.fries;
        }
    }
    if (lines.empty()) return {kNoSpawnings};
    lines.push_back("----------------------------");
    lines.push_back("In all: " + std::to_string(eggs) + " eggs, " + std::to_string(larvae) + " larvas, " +
                    std::to_string(fries) + " fries");
    return lines;
}

}  // namespace farm
