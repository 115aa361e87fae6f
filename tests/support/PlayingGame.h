#pragma once
// A game in progress on the real main screen, with the game directory's data files and
// pictures, and a player who clicks at once whenever the game waits for a click.
#include "core/GameState.h"
#include "game/Movement.h"
#include "game/VelMain.h"
#include "media/CV_Midi.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "scene/PlaceButtons.h"
#include "support/CurrentFolder.h"
#include "talk/VelSerif.h"

#include <gtest/gtest.h>
#include <memory>

class PlayingGame : public testing::Test {
protected:
    void SetUp() override
    {
        inGameDirectory = std::make_unique<CurrentFolder>(VEL_GAME_DIR);
        using namespace Velmoor2;
        State = {};
        CV_Midi::ResetMusicState();
        PlayerMyouji = "高瀬";
        PlayerNamae = "悠";
        TargetGirl = 9;
        CurrentPlace = 3;
        GamePhase = FreeAtPlace;
        TheMainScreen.Get().Form.Show();
        UpdatePlaceButtons();
        Platform::SetIdleHook([] {
            if (TheMainScreen.IsLoaded())
                TheMainScreen.Get().Label1.SimulateClick();
            Platform::Defer([] {});  // wake the wait at once instead of at the next timer
        });
    }
    void TearDown() override
    {
        Platform::SetIdleHook({});
        Platform::SetMessageBoxHook({});
        Velmoor2::TheReplyDialog.Unload();
        Velmoor2::TheMainScreen.Unload();
        Platform::PumpEvents();
        inGameDirectory.reset();
    }
    static void Tick() { Velmoor2::TheMainScreen.Get().Timer1_Timer(); }
    static void TickUntil(int minute)
    {
        while (Velmoor2::GameMinute < minute)
            Tick();
    }
    std::unique_ptr<CurrentFolder> inGameDirectory;
};
