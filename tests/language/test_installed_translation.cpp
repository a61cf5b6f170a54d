// The Russian translation as it ships: complete in the source, compiled and
// installed with the data where the installed program looks for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "DataDir.h"
#include "common/TestEnv.h"

namespace fs = std::filesystem;

namespace {

const fs::path kBuildDir = fs::path(REEDMERE_BINARY).parent_path();
const fs::path kSourceDir = fs::path(REEDMERE_DATA_DIR).parent_path();

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int run(const std::string& command, std::string& output) {
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) output.append(buf.data(), n);
    const int st = pclose(p);
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string cmakeCommand() {
    std::ifstream in(kBuildDir / "CMakeCache.txt");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("CMAKE_COMMAND:", 0) == 0) return line.substr(line.find('=') + 1);
    return "cmake";
}

}  // namespace

// A text left untranslated would show in English in the Russian interface.
TEST(Translation, EveryTextOfTheSourceHasItsRussian) {
    const std::string ts = fileText(kSourceDir / "translations" / "reedmere_ru.ts");
    ASSERT_NE(ts.find("<TS version="), std::string::npos);
    EXPECT_NE(ts.find("language=\"ru_RU\""), std::string::npos);
    EXPECT_EQ(ts.find("type=\"unfinished\""), std::string::npos);
    EXPECT_EQ(ts.find("type=\"vanished\""), std::string::npos);
    EXPECT_EQ(ts.find("type=\"obsolete\""), std::string::npos);
    EXPECT_EQ(ts.find("<location"), std::string::npos) << "kept without line numbers, so that merges stay clean";
}

TEST(Translation, IsInstalledWithTheDataAndReadsThere) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    testenv::TempWorld world;
    const fs::path prefix = world.root() / "prefix";
    std::string output;
    ASSERT_EQ(run("'" + cmakeCommand() + "' --install '" + kBuildDir.string() + "' --prefix '" + prefix.string() + "'",
                  output),
              0)
        << output;
    const fs::path qm = prefix / "share" / "reedmere" / "translations" / "reedmere_ru.qm";
    ASSERT_TRUE(fs::is_regular_file(qm));
    QTranslator russian;
    ASSERT_TRUE(russian.load(QString::fromStdString(qm.string())));
    EXPECT_EQ(russian.translate("Fishins", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(russian.translate("CPictures", "Exhange with first"), QStringLiteral("Поменять с первой"));
    EXPECT_EQ(russian.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
    EXPECT_TRUE(russian.translate("Fishins", "No such text").isEmpty());
}
