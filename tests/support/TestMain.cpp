// Every test binary starts in a sealed environment: its own settings, data
// and runtime folders, the offscreen platform when none is chosen, and a
// PATH that starts at a folder tests fill with recording scripts.

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    TempFolder home;
    for (const char* name : {"config", "data", "runtime", "bin"})
        std::filesystem::create_directory(home.File(name));
    std::filesystem::permissions(home.File("runtime"), std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
    setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.File("runtime").c_str(), 1);
    setenv("QUILLO_TEST_BIN", home.File("bin").c_str(), 1);
    const char* path = std::getenv("PATH");
    const std::string sealedPath = home.File("bin") + ":" + (path ? path : "/usr/bin:/bin");
    setenv("PATH", sealedPath.c_str(), 1);
    setenv("QT_QPA_PLATFORM", std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "offscreen", 1);

    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
