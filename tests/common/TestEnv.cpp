#include "common/TestEnv.h"

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testenv {

namespace fs = std::filesystem;

namespace {
const char* kVars[5] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "ODBCINI", "TZ"};
}

TempWorld::TempWorld() {
    for (int i = 0; i < 5; ++i) {
        const char* v = std::getenv(kVars[i]);
        saved_[i] = v ? v : std::string("\x01");
    }
    std::string tmpl = (fs::temp_directory_path() / "reedmere-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    root_ = tmpl;
    fs::create_directories(root_ / "home");
    fs::create_directories(root_ / "config");
    fs::create_directories(root_ / "data");
    std::ofstream(root_ / "odbc.ini").close();
    setenv("HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("ODBCINI", (root_ / "odbc.ini").c_str(), 1);
    // Qt reads the settings location once per process; point it here for every world.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((root_ / "config").string()));
}

TempWorld::~TempWorld() {
    for (int i = 0; i < 5; ++i) {
        if (saved_[i] == "\x01") unsetenv(kVars[i]);
        else setenv(kVars[i], saved_[i].c_str(), 1);
    }
    std::error_code ec;
    fs::remove_all(root_, ec);
}

DocWorld::DocWorld(bool starter) {
    db::createEmbeddedDatabase(databaseFile(), starter);
    doc.create(db::chooseDataSource(), nullptr);
}

std::string DocWorld::scalar(const std::string& sql) {
    std::string out;
    bool first = true;
    doc.db->query(sql, {db::ColumnKind::Text}, [&](std::vector<db::Value>& row) {
        if (!first) return;
        first = false;
        if (std::holds_alternative<std::string>(row[0])) out = std::get<std::string>(row[0]);
    });
    return out;
}

}  // namespace testenv
