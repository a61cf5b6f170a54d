// The start-up steps that touch the disk: the site directories of the first
// run, one directory pair per class, and the site skeleton copied into the
// work directory wherever a file is missing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/Settings.h"
#include "db/CFishesDoc.h"

namespace site {

// On the first run ("Install" 0): "\Reports", "\Other", "\Classes", "\Bulletin"
// and "\Classes\<class>\Images" for every class; then "Install" becomes 1.
// Failures to create a directory are ignored.
void checkDirectories(core::Settings& settings, db::CFishesDoc& doc,
                      const std::function<void(const std::string&)>& progress);

// Copies every file of the skeleton folder that the work directory lacks;
// never overwrites. Returns how many files were copied.
int copySiteSkeleton(const std::filesystem::path& skeleton, const std::filesystem::path& workDir);

}  // namespace site
