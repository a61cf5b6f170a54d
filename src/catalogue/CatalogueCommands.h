// The commands of the catalogue's path combos in menu order, with their
// texts and keys; id 0 stands for a separator.
#pragma once

#include <vector>

namespace catalogue {

enum CommandId {
    kCmdAddNew = 190,
    kCmdEditProperties = 191,
    kCmdDelete = 192,
    kCmdEditSynonyms = 193,
    kCmdChangeTaxonomy = 194,
    kCmdViewInfo = 195,
    kCmdEditInfo = 196,
    kCmdEditHtm = 197,
    kCmdTaxonomySurvey = 170,
    kCmdFamiliesSurveys = 171,
    kCmdFamilySurvey = 172,
    kCmdAddStair = 173,
};

// String-table entries of the catalogue dialog's switches.
constexpr int kTextEnableFind = 300;
constexpr int kTextCommonNames = 301;

struct CatalogueCommand {
    int id;
    int textEntry;  // its entry in the interface string table
    int key;  // a Qt::Key, 0 for none
};

const std::vector<CatalogueCommand>& catalogueCommands();

}  // namespace catalogue
