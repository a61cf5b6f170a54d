// A world for page tests: a fresh database and document, a work directory
// holding the shipped template and the Pisces class directory, a scripted
// prompter, a fixed clock and a recorder in place of the viewer.
#pragma once

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DataDir.h"
#include "common/TestEnv.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "site/PageSkeleton.h"

namespace sitetest {

namespace fs = std::filesystem;

// Local time of 09:05:07 on 3 March 2007.
inline std::time_t march3rd2007() {
    std::tm tm{};
    tm.tm_year = 107;
    tm.tm_mon = 2;
    tm.tm_mday = 3;
    tm.tm_hour = 9;
    tm.tm_min = 5;
    tm.tm_sec = 7;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

inline fs::path expectedDir() { return fs::path(REEDMERE_DATA_DIR) / ".." / "tests" / "site" / "expected"; }

// The file's bytes; an unreadable file reads as a text no page has.
inline std::string bytesOf(const fs::path& file) {
    std::string bytes;
    if (!platform::readBytes(file, bytes)) return "(unreadable " + file.string() + ")";
    return bytes;
}

inline void writeBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The template of the expected pages (the shipped one may change its style).
constexpr const char* kTemplate =
    "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n"
    "</head>\r\n<body>\r\n</body>\r\n</html>\r\n";

struct SiteWorld : testenv::DocWorld {
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    std::vector<std::string> launched;

    SiteWorld() {
        fs::create_directories(workDir() / "Classes" / "Pisces" / "Images");
        fs::create_directories(workDir() / "Classes" / "Crustacea" / "Images");
        writeBytes(workDir() / "blank.html", kTemplate);
        env.workDir = workDir().string();
        env.wwwServer = "http://www.reedmere.org";
        env.eMail = "breeder@reedmere.org";
        env.prompter = &prompter;
        env.clock = march3rd2007;
        env.launch = [this](const std::string& line) {
            launched.push_back(line);
            return true;
        };
    }
    fs::path pisces() const { return workDir() / "Classes" / "Pisces"; }
    fs::path images() const { return pisces() / "Images"; }
    void touch(const fs::path& file) { writeBytes(file, "GIF89a"); }
};

}  // namespace sitetest
