// The tests run with the window system started once (offscreen), as the game does.
#include "game/VelMain.h"
#include "platform/Application.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// The font and display libraries keep their caches to the end of the process; not our leaks.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libfreetype.so\nleak:libglib-2.0.so\nleak:libdbus-1.so\n";
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Tests of paths that end the program run them in a fresh child process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Headless unless a display was chosen on purpose (screenshots under Xvfb).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Screenshots for the review page go to VELMOOR_SHOTS, made here if it is new.
    if (const char* shots = std::getenv("VELMOOR_SHOTS")) {
        std::error_code error;
        std::filesystem::create_directories(shots, error);
    }
    Platform::StartApplication();
    Velmoor2::LendMainScreen();
    return RUN_ALL_TESTS();
}
