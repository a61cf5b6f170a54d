// The installed program: `cmake --install` into a temporary prefix, started
// from there in a fresh home; and the Debian package with its file list and
// its dependencies.
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "common/TestEnv.h"

namespace fs = std::filesystem;

namespace {

const fs::path kBuildDir = fs::path(REEDMERE_BINARY).parent_path();

struct Outcome {
    int status = -1;
    std::string output;  // standard output and error together
};

Outcome run(const std::string& command) {
    Outcome o;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return o;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) o.output.append(buf.data(), n);
    int st = pclose(p);
    o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return o;
}

std::string shellWord(const fs::path& p) { return "'" + p.string() + "'"; }

// A tool of the build, as the build's own cache names it.
std::string cacheEntry(const std::string& key) {
    std::ifstream in(kBuildDir / "CMakeCache.txt");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ":", 0) == 0) return line.substr(line.find('=') + 1);
    return {};
}

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Width and height from a PNG file's header chunk; {0, 0} for anything else.
std::pair<int, int> pngSize(const fs::path& p) {
    std::string s = fileText(p);
    if (s.size() < 24 || s.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || s.compare(12, 4, "IHDR") != 0) return {0, 0};
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(s[at]) << 24) | (static_cast<unsigned char>(s[at + 1]) << 16) |
               (static_cast<unsigned char>(s[at + 2]) << 8) | static_cast<unsigned char>(s[at + 3]);
    };
    return {be32(16), be32(20)};
}

bool waitFor(const std::function<bool()>& ready, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (ready()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The files every install holds, below the prefix (or the package's /usr).
const char* const kInstalledFiles[] = {
    "bin/reedmere",
    "share/reedmere/schema/schema.sql",
    "share/reedmere/schema/seed.sql",
    "share/reedmere/catalogue/habitats.txt",
    "share/reedmere/catalogue/pisces-cichlids.txt",
    "share/reedmere/site/blank.html",
    "share/reedmere/site/Help/program.html",
    "share/reedmere/site/Help/programr.html",
    "share/reedmere/site/Other/water.html",
    "share/applications/org.reedmere.reedmere.desktop",
    "share/metainfo/org.reedmere.reedmere.metainfo.xml",
    "share/icons/hicolor/scalable/apps/reedmere.svg",
    "share/icons/hicolor/48x48/apps/reedmere.png",
    "share/icons/hicolor/256x256/apps/reedmere.png",
    "share/man/man1/reedmere.1.gz",
    "share/doc/reedmere/copyright",
};

class Installed : public ::testing::Test {
protected:
    testenv::TempWorld world;
    fs::path prefix = world.root() / "prefix";

    void install() {
        Outcome o = run(shellWord(cacheEntry("CMAKE_COMMAND")) + " --install " + shellWord(kBuildDir) + " --prefix " +
                        shellWord(prefix));
        ASSERT_EQ(o.status, 0) << o.output;
    }
};

}  // namespace

TEST_F(Installed, HoldsTheProgramItsDataAndTheDesktopFiles) {
    ASSERT_NO_FATAL_FAILURE(install());
    for (const char* f : kInstalledFiles) EXPECT_TRUE(fs::is_regular_file(prefix / f)) << f;
    EXPECT_EQ(pngSize(prefix / "share/icons/hicolor/48x48/apps/reedmere.png"), std::make_pair(48, 48));
    EXPECT_EQ(pngSize(prefix / "share/icons/hicolor/256x256/apps/reedmere.png"), std::make_pair(256, 256));
    // Nothing of the build's own: no libraries, headers or tests.
    for (const auto& e : fs::recursive_directory_iterator(prefix)) {
        std::string name = e.path().filename().string();
        EXPECT_FALSE(name.rfind("test_", 0) == 0 || e.path().extension() == ".a" || e.path().extension() == ".h")
            << e.path();
    }

    Outcome desktop = run("desktop-file-validate " + shellWord(prefix / "share/applications/org.reedmere.reedmere.desktop"));
    EXPECT_EQ(desktop.status, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "");
    Outcome meta = run("appstreamcli validate --no-net --pedantic " +
                       shellWord(prefix / "share/metainfo/org.reedmere.reedmere.metainfo.xml"));
    EXPECT_EQ(meta.status, 0) << meta.output;
    EXPECT_NE(fileText(prefix / "share/metainfo/org.reedmere.reedmere.metainfo.xml").find("version=\"3.044\""),
              std::string::npos);
    Outcome man = run("man --warnings -l " + shellWord(prefix / "share/man/man1/reedmere.1.gz") + " > /dev/null");
    EXPECT_EQ(man.status, 0) << man.output;
    EXPECT_EQ(man.output, "");
    EXPECT_NE(run("zcat " + shellWord(prefix / "share/man/man1/reedmere.1.gz")).output.find(".SH FILES"), std::string::npos);
}

TEST_F(Installed, StartsFromThePrefixInAFreshHomeWithTheInstalledData) {
    ASSERT_NO_FATAL_FAILURE(install());
    // Marks the installed skeleton: a program reading the checkout's copy would miss the mark.
    const std::string mark = "<!-- installed copy -->";
    std::ofstream(prefix / "share/reedmere/site/blank.html", std::ios::app) << mark;
    ASSERT_FALSE(fs::exists(world.root() / "home" / "Fishes"));

    const fs::path program = prefix / "bin" / "reedmere";
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(pid, 0);
    const fs::path work = world.workDir();
    bool up = waitFor([&] { return fs::exists(work / "blank.html"); }, 30);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(up) << "the installed program did not start";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_NE(fileText(work / "blank.html").find(mark), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(work / "Help" / "program.html"));
    EXPECT_TRUE(fs::is_directory(work / "Classes" / "Pisces" / "Images"));
    ASSERT_TRUE(fs::is_regular_file(world.databaseFile()));
    // The database was built from the installed schema, seed and starter catalogue.
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    doc.taxa->setFilter("Classific=262144");
    doc.taxa->requery();
    EXPECT_EQ(doc.taxa->rowCount(), 6u);
    doc.taxa->setFilter("Lat_name='scalare'");
    doc.taxa->requery();
    EXPECT_EQ(doc.taxa->rowCount(), 1u);
}

TEST(DebianPackage, HoldsTheInstallTreeAndComputedDependencies) {
    testenv::TempWorld world;
    const fs::path out = world.root() / "package";
    Outcome pack = run(shellWord(cacheEntry("CMAKE_CPACK_COMMAND")) + " --config " + shellWord(kBuildDir / "CPackConfig.cmake") +
                       " -G DEB -B " + shellWord(out));
    ASSERT_EQ(pack.status, 0) << pack.output;
    std::string arch = run("dpkg --print-architecture").output;
    arch = arch.substr(0, arch.find('\n'));
    const fs::path deb = out / ("reedmere_3.044_" + arch + ".deb");
    ASSERT_TRUE(fs::is_regular_file(deb)) << pack.output;

    Outcome list = run("dpkg-deb -c " + shellWord(deb));
    ASSERT_EQ(list.status, 0) << list.output;
    for (const char* f : kInstalledFiles)
        EXPECT_NE(list.output.find(std::string(" ./usr/") + f + "\n"), std::string::npos) << f << "\n" << list.output;
    EXPECT_EQ(list.output.find("/usr/local"), std::string::npos) << list.output;
    EXPECT_EQ(list.output.find("test_"), std::string::npos) << list.output;
    EXPECT_EQ(list.output.find(".a\n"), std::string::npos) << list.output;

    Outcome fields = run("dpkg-deb -f " + shellWord(deb) + " Package Version Architecture Depends");
    ASSERT_EQ(fields.status, 0) << fields.output;
    const std::string& f = fields.output;
    EXPECT_NE(f.find("Package: reedmere\n"), std::string::npos) << f;
    EXPECT_NE(f.find("Version: 3.044\n"), std::string::npos) << f;
    EXPECT_NE(f.find("Architecture: " + arch + "\n"), std::string::npos) << f;
    // Computed from the program's libraries, with their versions ...
    for (const char* lib : {"libc6 (>=", "libstdc++6 (>=", "libqt6core6 (>=", "libqt6widgets6 (>=", "libqt6gui6 (>=",
                            "libodbc2 (>="})
        EXPECT_NE(f.find(lib), std::string::npos) << lib << "\n" << f;
    // ... and what is loaded by name at run time.
    for (const char* pkg : {"libsqliteodbc", "unixodbc", "qt6-qpa-plugins"})
        EXPECT_TRUE(std::regex_search(f, std::regex(std::string("[ ,]") + pkg + "(,|\n|$)"))) << pkg << "\n" << f;

    // The packaged program carries no debugging sections.
    const fs::path tree = world.root() / "tree";
    ASSERT_EQ(run("dpkg-deb -x " + shellWord(deb) + " " + shellWord(tree)).status, 0);
    Outcome kind = run("file -b " + shellWord(tree / "usr/bin/reedmere"));
    EXPECT_NE(kind.output.find("ELF"), std::string::npos) << kind.output;
    EXPECT_NE(kind.output.find(", stripped"), std::string::npos) << kind.output;
}
