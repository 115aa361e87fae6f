#pragma once
// The screens before play, each test with settings of its own (a fresh configuration folder)
// and the game state as a fresh run has it.
#include "core/GameState.h"
#include "extras/VelAlbum.h"
#include "extras/VelDatarm.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "game/VelMain.h"
#include "media/CV_Midi.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "support/SharedScratch.h"
#include "talk/VelSerif.h"

#include <gtest/gtest.h>
#include <memory>

class FrontScreens : public testing::Test {
protected:
    void SetUp() override
    {
        config = std::make_unique<SharedScratch>("VELMOOR_FRONT_CONFIG", "velmoor-front");
        ::setenv("XDG_CONFIG_HOME", config->Path().c_str(), 1);
        Velmoor2::State = {};
        CV_Midi::ResetMusicState();
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
        config.reset();
    }
    std::unique_ptr<SharedScratch> config;
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
