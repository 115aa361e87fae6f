#pragma once
// The screens before play, each test with settings of its own (a fresh configuration folder)
// and the game state as a fresh run has it.
#include "extras/VelAlbum.h"
#include "extras/VelDatarm.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "core/GameState.h"
#include "game/VelMain.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "talk/VelSerif.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class FrontScreens : public testing::Test {
protected:
    void SetUp() override
    {
        // A child that ends the program inherits the folder of the test that started it.
        if (!std::getenv("VELMOOR_FRONT_CONFIG")) {
            std::string pattern = testing::TempDir() + "velmoor-front-XXXXXX";
            ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
            ::setenv("VELMOOR_FRONT_CONFIG", pattern.c_str(), 1);
            madeConfig = pattern;
        }
        ::setenv("XDG_CONFIG_HOME", std::getenv("VELMOOR_FRONT_CONFIG"), 1);
        Velmoor2::ResetGameState();
    }
    void TearDown() override
    {
        using namespace Velmoor2;
        Platform::SetIdleHook({});
        Platform::SetMessageBoxHook({});
        TheClassAlbum.Unload();
        TheDataRoom.Unload();
        TheStartScreen.Unload();
        TheTitleScreen.Unload();
        TheReplyDialog.Unload();
        TheMainScreen.Unload();
        Platform::PumpEvents();
        if (!madeConfig.empty()) {
            std::filesystem::remove_all(madeConfig);
            ::unsetenv("VELMOOR_FRONT_CONFIG");
        }
    }
    std::string madeConfig;
    // The player clicks whenever the game waits: on the album's photo of `girl` while the
    // album is open, otherwise on the main screen's text.
    static void PlayerClicksThrough(int girl)
    {
        Platform::SetIdleHook([girl] {
            using namespace Velmoor2;
            if (TheClassAlbum.IsLoaded() && TheClassAlbum.Get().Form.IsVisible())
                TheClassAlbum.Get().Image1[girl - 1]->SimulateClick();
            else if (TheMainScreen.IsLoaded())
                TheMainScreen.Get().Label1.SimulateClick();
            Platform::Defer([] {});  // wake the wait at once
        });
    }
};
