#include "catalogue/Habitats.h"

#include <set>

#include "db/Dialect.h"

namespace catalogue {

namespace {

std::string byName(const std::string& name) { return "Name='" + db::quoteText(name) + "'"; }

}  // namespace

std::vector<HabitatEntry> browseHabitats(db::CFishesDoc& doc, std::int32_t node) {
    db::Habitat& h = *doc.habitats;
    h.setFilter("Of_cod=" + std::to_string(node));
    h.requery();
    std::vector<HabitatEntry> entries{{kUpEntry, kUpEntry, 0}};
    for (; !h.isEOF(); h.moveNext()) entries.push_back({h.m_Name, h.m_Name, h.m_Cod});
    // One read of the parents below the node's children, not one per child.
    std::set<std::int32_t> parents;
    if (entries.size() > 1) {
        std::string list;
        for (std::size_t i = 1; i < entries.size(); ++i) list += (i > 1 ? "," : "") + std::to_string(entries[i].cod);
        h.setFilter("Of_cod IN (" + list + ")");
        h.requery();
        for (; !h.isEOF(); h.moveNext()) parents.insert(h.m_Of_cod);
    }
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (parents.count(entries[i].cod)) entries[i].text = kParentPrefix + entries[i].name;
    return entries;
}

std::int32_t habitatParent(db::CFishesDoc& doc, std::int32_t node) {
    if (node == 0) return 0;
    db::Habitat& h = *doc.habitats;
    h.setFilter("Cod=" + std::to_string(node));
    h.requery();
    return h.isEOF() ? 0 : h.m_Of_cod;
}

std::string habitatName(const std::string& entryText) {
    const std::string prefix = kParentPrefix;
    return entryText.compare(0, prefix.size(), prefix) == 0 ? entryText.substr(prefix.size()) : entryText;
}

std::vector<std::string> habitatNames(db::CFishesDoc& doc, const std::string& codes) {
    std::vector<std::string> names;
    db::Habitat& h = *doc.habitats;
    std::size_t start = 0;
    while (start <= codes.size()) {
        std::size_t comma = codes.find(',', start);
        std::string code = codes.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        start = comma == std::string::npos ? codes.size() + 1 : comma + 1;
        if (code.empty() || code.find_first_not_of("0123456789") != std::string::npos) continue;
        h.setFilter("Cod=" + code);
        h.requery();
        if (!h.isEOF()) names.push_back(h.m_Name);
    }
    return names;
}

std::string habitatCodes(db::CFishesDoc& doc, const std::vector<std::string>& names) {
    std::string codes;
    db::Habitat& h = *doc.habitats;
    for (const std::string& name : names) {
        h.setFilter(byName(name));
        h.requery();
        if (h.isEOF()) continue;
        if (!codes.empty()) codes += ",";
        codes += std::to_string(h.m_Cod);
    }
    return codes;
}

std::int32_t addHabitat(db::CFishesDoc& doc, const std::string& name, std::int32_t node) {
    db::Habitat& h = *doc.habitats;
    h.addNew();
    h.m_Name = name;
    h.m_Of_cod = node;
    h.update();
    return static_cast<std::int32_t>(h.lastInsertedKey());
}

int deleteHabitats(db::CFishesDoc& doc, std::int32_t node, const std::vector<std::string>& names) {
    db::Habitat& h = *doc.habitats;
    int deleted = 0;
    for (const std::string& name : names) {
        if (name == kUpEntry) continue;
        h.setFilter("Of_cod=" + std::to_string(node) + " AND " + byName(name));
        h.requery();
        for (; !h.isEOF(); h.moveNext(), ++deleted) h.deleteRow();
    }
    return deleted;
}

}  // namespace catalogue
