#include "catalogue/TaxonEditing.h"

#include <algorithm>
#include <set>

#include "catalogue/CatalogueCommands.h"
#include "catalogue/NameCheck.h"

namespace catalogue {

namespace {

std::string num(std::int64_t v) { return std::to_string(v); }

std::string rowListFilter(std::int32_t parent, std::int32_t classific) {
    return "Of_cod=" + num(parent) + " AND Classific=" + num(classific);
}

// The new row among its parent's rows, found by the key the database gave
// it (a user may type the marker too), given its real author.
MarkedRow giveAuthor(db::CFishesDoc& doc, const Taxon& taxon, std::int64_t cod) {
    db::Fish& t = *doc.taxa;
    t.setFilter(rowListFilter(taxon.ofCod, taxon.classific));
    t.requery();
    for (std::size_t pos = 0; !t.isEOF(); t.moveNext(), ++pos) {
        if (t.m_Cod != cod) continue;
        MarkedRow found{t.m_Cod, pos};
        t.edit();
        t.m_Author = taxon.author;
        t.update();
        return found;
    }
    throw db::DbError("The new taxon " + taxon.latName + " was not found again");
}

void deleteTaxonRow(db::CFishesDoc& doc, std::int32_t cod) { deleteRows(*doc.taxa, "Cod=" + num(cod)); }

void addCommonName(db::CFishesDoc& doc, std::int32_t cod, int language, const std::string& name) {
    db::Common& c = *doc.commonNames;
    c.addNew();
    c.m_Of_fish = cod;
    c.m_Name = name;
    c.m_Language = language;
    c.update();
}

void renameTaxon(db::CFishesDoc& doc, std::int32_t cod, const std::string& latName, const std::string& author) {
    db::Fish& t = *doc.taxa;
    t.setFilter("Cod=" + num(cod));
    t.requery();
    if (t.isEOF()) return;
    t.edit();
    t.m_Lat_name = latName;
    t.m_Author = author;
    t.update();
}

std::optional<Taxon> firstOfRowList(db::CFishesDoc& doc, std::int32_t parent, std::int32_t classific) {
    db::Fish& t = *doc.taxa;
    t.setFilter(rowListFilter(parent, classific));
    t.requery();
    if (t.isEOF()) return std::nullopt;
    return taxonOf(t);
}

std::string counted(std::size_t n, const char* one, const char* many) {
    return num(static_cast<std::int64_t>(n)) + " " + (n == 1 ? one : many);
}

// What still hangs on a taxon: a refusal text, or empty when nothing does.
std::string dependants(db::CFishesDoc& doc, const Taxon& taxon) {
    std::size_t children = 0, synonyms = 0;
    db::Fish& t = *doc.taxa;
    t.setFilter("Of_cod=" + num(taxon.cod));
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        if (t.m_Cod == taxon.cod) continue;
        ++(isSynonym(t.m_Classific) ? synonyms : children);
    }
    if (children == 0 && synonyms == 0) return std::string();
    std::string what = children ? counted(children, "taxon", "taxa") + " below it" : std::string();
    if (synonyms) what += (what.empty() ? "" : " and ") + counted(synonyms, "synonym", "synonyms");
    return taxon.latName + " cannot be deleted: it still has " + what + ".\nMove or delete them first.";
}

std::string deleteQuestion(db::CFishesDoc& doc, const Taxon& taxon) {
    const std::string sure = platform::kSureQuestion;
    db::My_Fish& lots = *doc.lots;
    lots.setFilter("Of_fish=" + num(taxon.cod));
    lots.requery();
    std::size_t n = lots.rowCount();
    if (n == 0) return sure;
    return "The farm has " + counted(n, "lot", "lots") + " of " + taxon.latName + "; " +
           (n == 1 ? "it stays and keeps its data" : "they stay and keep their data") + ".\n" + sure;
}

void deleteDependentRows(db::CFishesDoc& doc, std::int32_t cod) {
    const std::string ofFish = "Of_fish=" + num(cod), ofCod = "Of_cod=" + num(cod);
    deleteRows(*doc.commonNames, ofFish);
    deleteRows(*doc.animalCards, ofFish);
    deleteRows(*doc.plantCards, ofCod);
    deleteRows(*doc.links, ofFish);
    deleteRows(*doc.descriptions, ofFish);
    deleteRows(*doc.prices, ofCod);
}

}  // namespace

std::string joinAuthor(const std::string& describer, const std::string& year) { return describer + ", " + year; }

void splitAuthor(const std::string& author, std::string& describer, std::string& year) {
    std::size_t comma = author.find(',');
    if (comma == std::string::npos) {
        describer = author;
        year.clear();
        return;
    }
    describer = author.substr(0, comma);
    std::size_t from = comma + 1;
    if (from < author.size() && author[from] == ' ') ++from;
    year = author.substr(from);
}

MarkedRow insertMarked(db::CFishesDoc& doc, const Taxon& taxon, const std::string& marker) {
    return db::inTransaction(*doc.db, [&] {
        db::Fish& t = *doc.taxa;
        t.addNew();
        t.m_Lat_name = taxon.latName;
        t.m_Author = marker;
        t.m_Classific = taxon.classific;
        t.m_Of_cod = taxon.ofCod;
        t.m_Class = taxon.classCode;
        t.update();
        return giveAuthor(doc, taxon, t.lastInsertedKey());
    });
}

void writeCommonName(db::CFishesDoc& doc, std::int32_t cod, int language, const std::string& name) {
    db::Common& c = *doc.commonNames;
    c.setFilter("Of_fish=" + num(cod) + " AND Language=" + num(language));
    c.requery();
    if (c.isEOF()) return addCommonName(doc, cod, language, name);
    c.edit();
    c.m_Name = name;
    c.update();
}

std::optional<Taxon> selectedTaxon(const CatalogueModel& model, int row) {
    if (row < 0 || row >= static_cast<int>(model.rows().size())) return std::nullopt;
    const CatalogueRow& r = model.rows()[static_cast<std::size_t>(row)];
    if (r.selected < 0 || r.selected >= static_cast<int>(r.path.size())) return std::nullopt;
    return r.path[static_cast<std::size_t>(r.selected)];
}

std::optional<std::int32_t> addParent(const CatalogueModel& model, int row) {
    const auto& rows = model.rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return std::nullopt;
    auto insertionParent = [&](int r) -> std::optional<std::int32_t> {
        std::int32_t p = rows[static_cast<std::size_t>(r)].insertionParent;
        if (p == 0) return std::nullopt;
        return p;
    };
    if (rows[static_cast<std::size_t>(row)].selected >= 0 || row == 0) return insertionParent(row);
    if (std::optional<Taxon> above = selectedTaxon(model, row - 1)) return above->cod;
    if (row == 1) return insertionParent(row);
    if (std::optional<Taxon> twoAbove = selectedTaxon(model, row - 2)) return twoAbove->cod;
    return std::nullopt;
}

std::set<int> editingCommands(const CatalogueModel& model, int row) {
    std::set<int> ids;
    if (addParent(model, row)) ids.insert(kCmdAddNew);
    if (selectedTaxon(model, row))
        ids.insert({kCmdEditProperties, kCmdDelete, kCmdEditSynonyms, kCmdChangeTaxonomy});
    return ids;
}

void rewritePages(EditingContext& ctx, std::initializer_list<std::int32_t> codes) {
    StalePages stale;
    for (std::int32_t cod : codes)
        if (cod != 0 && std::find(stale.rewrite.begin(), stale.rewrite.end(), cod) == stale.rewrite.end())
            stale.rewrite.push_back(cod);
    if (ctx.pagesStale) ctx.pagesStale(stale);
}

bool addTaxon(EditingContext& ctx, CatalogueModel& model, int row, const NameDialog& dialog) {
    std::optional<std::int32_t> parent = addParent(model, row);
    if (!parent) return false;
    const CatalogueRow& r = model.rows()[static_cast<std::size_t>(row)];
    const std::int32_t level = r.layout.level;
    NameFields fields;
    if (!dialog("New " + r.label, fields)) return false;
    std::string name = trimTrailingBlanks(fields.latin);
    if (name.empty()) return false;
    name = normaliseLatinName(name, level);
    if (!checkLatinName(ctx.doc, ctx.prompter, model, row, name)) return false;

    Taxon taxon{0, *parent, level, model.classCode(), name, joinAuthor(fields.describer, fields.year)};
    const MarkedRow added = db::inTransaction(*ctx.doc.db, [&] {
        MarkedRow row = insertMarked(ctx.doc, taxon, kCatalogueMarker);
        if (!fields.common.empty()) addCommonName(ctx.doc, row.cod, ctx.language, fields.common);
        return row;
    });
    model.show(added.cod);
    rewritePages(ctx, {*parent});
    return true;
}

bool editTaxon(EditingContext& ctx, CatalogueModel& model, int row, const NameDialog& dialog) {
    std::optional<Taxon> taxon = selectedTaxon(model, row);
    if (!taxon) return false;
    const CatalogueRow& r = model.rows()[static_cast<std::size_t>(row)];
    NameFields fields;
    fields.latin = taxon->latName;
    fields.common = commonName(ctx.doc, taxon->cod, ctx.language);
    splitAuthor(taxon->author, fields.describer, fields.year);
    if (!dialog("Edit " + r.label + " " + taxon->latName, fields)) return false;
    std::string name = trimTrailingBlanks(fields.latin);
    if (name.empty()) return false;
    if (name != taxon->latName) {
        name = normaliseLatinName(name, taxon->classific);
        if (!checkLatinName(ctx.doc, ctx.prompter, model, row, name, taxon->cod)) return false;
    }
    db::inTransaction(*ctx.doc.db, [&] {
        renameTaxon(ctx.doc, taxon->cod, name, joinAuthor(fields.describer, fields.year));
        if (!fields.common.empty()) writeCommonName(ctx.doc, taxon->cod, ctx.language, fields.common);
    });
    model.show(model.current().cod);
    rewritePages(ctx, {taxon->cod, taxon->ofCod});
    return true;
}

bool deleteTaxon(EditingContext& ctx, CatalogueModel& model, int row) {
    std::optional<Taxon> taxon = selectedTaxon(model, row);
    if (!taxon) return false;
    std::string refusal = dependants(ctx.doc, *taxon);
    if (!refusal.empty()) {
        ctx.prompter.tell(refusal, platform::MessageKind::Warning);
        return false;
    }
    if (ctx.prompter.ask(deleteQuestion(ctx.doc, *taxon)) != platform::Answer::Yes) return false;
    const std::string classDir = classDirectory(ctx.doc, *taxon);
    db::inTransaction(*ctx.doc.db, [&] {
        deleteDependentRows(ctx.doc, taxon->cod);
        deleteTaxonRow(ctx.doc, taxon->cod);
    });
    if (ctx.pagesStale && !classDir.empty()) ctx.pagesStale(StalePages{{}, {{classDir, taxon->cod}}});
    std::optional<Taxon> first = firstOfRowList(ctx.doc, taxon->ofCod, taxon->classific);
    model.show(first ? first->cod : taxon->ofCod);
    rewritePages(ctx, {taxon->ofCod});
    return true;
}

}  // namespace catalogue
