// The work directory a start-up takes from the settings store: never empty
// and never relative to the folder the program was started from.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "common/TestEnv.h"

namespace {

std::string loadedWorkDirectory(int install, const std::string* stored) {
    platform::SettingsBackend store;
    store.writeInt("Install", install);
    if (stored) store.writeText("Application_path", *stored);
    store.sync();
    core::Settings s;
    s.load(store);
    EXPECT_EQ(s.pictureStartFolder, s.Application_path);
    return s.Application_path;
}

}  // namespace

TEST(WorkDirectory, EmptyRelativeOrForeignPathsFallBackToTheFirstRunFolderWithALine) {
    testenv::TempWorld world;
    const std::string firstRun = (world.root() / "home" / "Fishes").string();
    for (const std::string stored : {std::string(), std::string("Fishes"), std::string("./site"),
                                     std::string("C:\\Fishes")}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(loadedWorkDirectory(1, &stored), firstRun) << "stored \"" << stored << "\"";
        const std::string line = testing::internal::GetCapturedStderr();
        EXPECT_NE(line.find("\"" + stored + "\" is not a full path"), std::string::npos) << line;
    }
    // Installed but without the key: the old default "C:\Fishes" is not a folder here.
    EXPECT_EQ(loadedWorkDirectory(1, nullptr), firstRun);
    const std::string mine = "/srv/fishes";
    EXPECT_EQ(loadedWorkDirectory(1, &mine), mine);
}

TEST(WorkDirectory, TheFirstRunFolderIsAFullPathEvenWithoutHome) {
    testenv::TempWorld world;
    unsetenv("HOME");
    const std::string folder = core::firstRunWorkDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder[0], '/');
    setenv("HOME", "relative", 1);
    EXPECT_EQ(core::firstRunWorkDirectory()[0], '/');
}
