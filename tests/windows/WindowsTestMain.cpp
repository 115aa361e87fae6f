// The Windows tests run under Wine (or on Windows) with the window system started once, as the
// game does; the paths that end the program run in child processes.
#include "game/VelMain.h"
#include "platform/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Platform::StartApplication();
    Velmoor2::LendMainScreen();
    return RUN_ALL_TESTS();
}
