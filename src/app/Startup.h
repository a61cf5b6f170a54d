// The start-up steps that touch the disk: the site directories of the first
// run, one directory pair per class, and the site skeleton copied into the
// work directory wherever a file is missing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "app/Settings.h"
#include "db/CFishesDoc.h"

namespace app {

// The class's Latin name with every character that is not a letter, a digit,
// a blank or "_" replaced by "_".
std::string classDirectoryName(const std::string& latinName);

// A work-directory path written with backslashes ("\Reports\period.html")
// as a path on disk.
std::filesystem::path workPath(const std::string& workDir, const std::string& backslashPath);

// On the first run ("Install" 0): "\Reports", "\Other", "\Classes", "\Bulletin"
// and "\Classes\<class>\Images" for every class; then "Install" becomes 1.
// Failures to create a directory are ignored.
void checkDirectories(Settings& settings, db::CFishesDoc& doc,
                      const std::function<void(const std::string&)>& progress);

// Copies every file of the skeleton folder that the work directory lacks;
// never overwrites. Returns how many files were copied.
int copySiteSkeleton(const std::filesystem::path& skeleton, const std::filesystem::path& workDir);

}  // namespace app
