// A world for the editing tests: the tetras of TestTaxa in a fresh
// database, a work directory with the page template and the Pisces class
// directory, a scripted prompter and the editing context over them.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/TaxonEditing.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"
#include "site/StalePages.h"
#include "platform/Prompter.h"
#include "site/PageSkeleton.h"

namespace editingtest {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct EditingWorld : testenv::DocWorld {
    testtaxa::Tetras tetras{doc};
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    catalogue::EditingContext ctx{
        doc, prompter, [this](const catalogue::StalePages& stale) { site::refreshStalePages(doc, env, stale); }, 0};

    EditingWorld() {
        fs::create_directories(pisces() / "Images");
        writeFile(workDir() / "blank.html", "<html>\r\n<head>\r\n</head>\r\n<body>\r\n</body>\r\n</html>\r\n");
        env.workDir = workDir().string();
        env.prompter = &prompter;
        env.launch = [](const std::string&) { return true; };
    }
    fs::path pisces() const { return workDir() / "Classes" / "Pisces"; }
    fs::path page(std::int32_t cod) const { return pisces() / ("m" + std::to_string(cod) + ".html"); }
    fs::path picture(const std::string& name) const { return pisces() / "Images" / name; }
    std::string count(const std::string& table, const std::string& where) {
        return scalar("SELECT COUNT(*) FROM \"" + table + "\" WHERE " + where);
    }
};

// A name dialog that fills in the given fields and answers OK, recording its heading.
struct TypedName {
    catalogue::NameFields typed;
    bool ok = true;
    std::string heading;
    catalogue::NameFields shown;
    catalogue::NameDialog dialog() {
        return [this](const std::string& h, catalogue::NameFields& f) {
            heading = h;
            shown = f;
            if (ok) f = typed;
            return ok;
        };
    }
};

}  // namespace editingtest
