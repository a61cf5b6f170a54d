#include "catalogue/CatalogueCommands.h"

#include <QtCore/qnamespace.h>


namespace catalogue {

const std::vector<CatalogueCommand>& catalogueCommands() {
    static const std::vector<CatalogueCommand> commands = {
        {kCmdAddNew, 289, Qt::Key_Insert},
        {kCmdEditProperties, 286, Qt::Key_F2},
        {kCmdDelete, 299, Qt::Key_Delete},
        {kCmdEditSynonyms, 287, Qt::Key_F3},
        {kCmdChangeTaxonomy, 290, Qt::Key_F4},
        {0, 0, 0},
        {kCmdViewInfo, 291, Qt::Key_F5},
        {kCmdEditInfo, 292, Qt::Key_F6},
        {kCmdEditHtm, 293, Qt::Key_F7},
        {0, 0, 0},
        {kCmdTaxonomySurvey, 297, 0},
        {kCmdFamiliesSurveys, 298, 0},
        {kCmdFamilySurvey, 296, 0},
        {kCmdAddStair, 294, 0},
    };
    return commands;
}

}  // namespace catalogue
