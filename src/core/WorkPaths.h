// Where things lie below the work directory: a path written with
// backslashes as a path on disk, and the directory name of a class.
#pragma once

#include <filesystem>
#include <string>

namespace core {

// The class's Latin name with every character that is not a letter, a digit,
// a blank or "_" replaced by "_".
std::string classDirectoryName(const std::string& latinName);

// A work-directory path written with backslashes ("\Reports\period.html")
// as a path on disk.
std::filesystem::path workPath(const std::string& workDir, const std::string& backslashPath);

}  // namespace core
