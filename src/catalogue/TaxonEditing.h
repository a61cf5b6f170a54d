// Adding, renaming and deleting the taxon of a catalogue row: the name
// dialog's fields and the author they make, a new row inserted under a
// marker author and found again by its key, the common name of a language, and
// the pages, pictures and dependent rows of a deleted taxon.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/CatalogueModel.h"
#include "platform/Prompter.h"

namespace catalogue {

constexpr const char* kCatalogueMarker = "??????????";
constexpr const char* kHighTaxonomyMarker = "?????";

// The four fields of the name dialog.
struct NameFields {
    std::string latin;
    std::string common;
    std::string describer;
    std::string year;
};

// describer + ", " + year: ", " when both are empty.
std::string joinAuthor(const std::string& describer, const std::string& year);
// Split at the first comma; the comma and the blank after it belong to neither part.
void splitAuthor(const std::string& author, std::string& describer, std::string& year);

// Shows the name dialog with a heading; false on Cancel.
using NameDialog = std::function<bool(const std::string& heading, NameFields& fields)>;

// What an edit leaves stale on the site. The catalogue writes no pages: the
// window hands this on to the site, which writes the existing pages of the
// taxa again and removes the pages and pictures of deleted taxa.
struct StalePages {
    struct Removed {
        std::string classDir;  // "\Classes\Pisces"
        std::int32_t cod = 0;
    };
    std::vector<std::int32_t> rewrite;  // each once, in order
    std::vector<Removed> removed;
};
using StalePagesHandler = std::function<void(const StalePages&)>;

// What the editing commands need beside the catalogue.
struct EditingContext {
    db::CFishesDoc& doc;
    platform::Prompter& prompter;
    StalePagesHandler pagesStale;  // empty: the site is left as it is
    int language = 0;
};

struct MarkedRow {
    std::int32_t cod = 0;
    std::size_t position = 0;  // in the Lat_name order of its parent's rows of its level
};

// Inserts the taxon with the marker as author, finds it among the rows of
// its parent and level by the key it was given and gives it its own author,
// all in one transaction: when a step fails no marker row stays behind and
// the error goes on.
MarkedRow insertMarked(db::CFishesDoc& doc, const Taxon& taxon, const std::string& marker);

// Deletes every row of a record object that the filter selects.
template <class R>
void deleteRows(R& rows, const std::string& filter) {
    rows.setFilter(filter);
    rows.requery();
    for (; !rows.isEOF(); rows.moveNext()) rows.deleteRow();
}

// Writes the taxon's common name of a language, updating its first record or adding one.
void writeCommonName(db::CFishesDoc& doc, std::int32_t cod, int language, const std::string& name);

// The selected taxon of a row, if any.
std::optional<Taxon> selectedTaxon(const CatalogueModel& model, int row);
// Where "Add new" at a row puts the new taxon; nothing when it cannot add there.
std::optional<std::int32_t> addParent(const CatalogueModel& model, int row);

// The editing commands (190 to 194) that act at a row.
std::set<int> editingCommands(const CatalogueModel& model, int row);

// The commands return true when the catalogue changed; the model then shows
// the new state. Pages of the taxa around are written again when they exist.
bool addTaxon(EditingContext& ctx, CatalogueModel& model, int row, const NameDialog& dialog);
bool editTaxon(EditingContext& ctx, CatalogueModel& model, int row, const NameDialog& dialog);
bool deleteTaxon(EditingContext& ctx, CatalogueModel& model, int row);

// Announces the pages of the given taxa as stale, each once.
void rewritePages(EditingContext& ctx, std::initializer_list<std::int32_t> codes);

}  // namespace catalogue
