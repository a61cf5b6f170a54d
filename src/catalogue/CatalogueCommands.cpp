#include "catalogue/CatalogueCommands.h"

#include <QtCore/qnamespace.h>

#include "catalogue/CatalogueText.h"

namespace catalogue {

const std::vector<CatalogueCommand>& catalogueCommands() {
    static const std::vector<CatalogueCommand> commands = {
        {kCmdAddNew, kAddNew, Qt::Key_Insert},
        {kCmdEditProperties, kEditProperties, Qt::Key_F2},
        {kCmdDelete, kDeleteTaxon, Qt::Key_Delete},
        {kCmdEditSynonyms, kEditSynonyms, Qt::Key_F3},
        {kCmdChangeTaxonomy, kChangeTaxonomy, Qt::Key_F4},
        {0, 0, 0},
        {kCmdViewInfo, kViewInfo, Qt::Key_F5},
        {kCmdEditInfo, kEditInfo, Qt::Key_F6},
        {kCmdEditHtm, kEditHtm, Qt::Key_F7},
        {0, 0, 0},
        {kCmdTaxonomySurvey, kTaxonomySurvey, 0},
        {kCmdFamiliesSurveys, kFamiliesSurveys, 0},
        {kCmdFamilySurvey, kFamilySurvey, 0},
        {kCmdAddStair, kAddStair, 0},
    };
    return commands;
}

}  // namespace catalogue
