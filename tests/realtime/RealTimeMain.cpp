// The real-time games run on a real X display (Xvfb) under libfaketime; each game is a child
// process, as every game ends the program.
#include "platform/Application.h"

#include <gtest/gtest.h>

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libfreetype.so\nleak:libglib-2.0.so\nleak:libdbus-1.so\nleak:libX11.so\n"
           "leak:libxcb\n";
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Platform::StartApplication();
    return RUN_ALL_TESTS();
}
