// The catalogue's editing commands: each opens its dialog over the editing
// logic and then shows the catalogue as the command left it.
#include <QApplication>
#include <QCheckBox>

#include "catalogue/CatalogueCommands.h"
#include "ui/catalogue/Fishcatal.h"

#include "site/StalePages.h"
#include "ui/catalogue/New_fish.h"
#include "ui/catalogue/Synlist.h"
#include "ui/catalogue/TOdial.h"
#include "site/PageSkeleton.h"

using namespace catalogue;

namespace {

void editSynonyms(QWidget* parent, EditingContext& ctx, CatalogueModel& model, int row) {
    std::optional<Taxon> taxon = selectedTaxon(model, row);
    if (!taxon) return;
    SynonymList list(ctx.doc, ctx.language, *taxon, model.rows()[static_cast<std::size_t>(row)].label);
    Synlist dialog(list, ctx.prompter, parent);
    dialog.exec();
    model.show(model.current().cod);
}

void changeTaxonomy(QWidget* parent, EditingContext& ctx, CatalogueModel& model, int row) {
    std::optional<Taxon> taxon = selectedTaxon(model, row);
    if (!taxon) return;
    TaxonMove move(ctx, model, *taxon);
    TOdial dialog(move, ctx.prompter, parent);
    const bool moved = dialog.exec() == QDialog::Accepted;
    model.show(moved ? taxon->cod : model.current().cod);
}

void runEditingCommand(QWidget* parent, EditingContext& ctx, CatalogueModel& model, int row, int id) {
    switch (id) {
        case kCmdAddNew: addTaxon(ctx, model, row, New_fish::asker(parent)); break;
        case kCmdEditProperties: editTaxon(ctx, model, row, New_fish::asker(parent)); break;
        case kCmdDelete: deleteTaxon(ctx, model, row); break;
        case kCmdEditSynonyms: editSynonyms(parent, ctx, model, row); break;
        case kCmdChangeTaxonomy: changeTaxonomy(parent, ctx, model, row); break;
        default: break;
    }
}

}  // namespace

void Fishcatal::runEditing(int row, int id) {
    const site::SiteEnv env = site::siteEnv(settings_, prompter_);
    EditingContext ctx{doc_, prompter_, site::pageRefresher(doc_, env), settings_.Default_language};
    try {
        runEditingCommand(this, ctx, model_, row, id);
    } catch (const db::DbError& e) {
        prompter_.tell(e.what(), platform::MessageKind::Error);
    }
    settings_.currentTaxon = model_.current().cod;
    showRows();
    if (enableFind_->isChecked()) refillFind();
}
