// The windows' own texts in the interface language: Qt's translator for the
// texts the bilingual string table does not hold.
#pragma once

#include <QString>

namespace ui {

// Installs the Russian translation when the language is Russian and removes
// it otherwise; windows opened afterwards show the language's texts. False
// when Russian was asked for and no translation could be loaded.
bool followInterfaceLanguage(int language);

// Where the translation file is looked for first: the data folder, where the
// installed program keeps it.
QString installedTranslationFile();

}  // namespace ui
