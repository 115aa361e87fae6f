// A reset leaves the shared state as a fresh run starts with it: every number 0, every flag
// False, every text empty, music not switched off.
#include "core/GameState.h"

#include "media/CV_Midi.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

TEST(GameState, AResetLeavesEverythingAsAFreshRunHasIt)
{
    ClickFlag = True;
    GameMinute = 30;
    Love = {1, 2, 3, 4, 5, 6, 100};
    MetFlag = {1, 1, 1, 1, 1, 1, 1};
    TargetGirl = 4;
    PlayerNamae = "悠";
    PlayerMyouji = "高瀬";
    ReplyCodes = {1, 2, 3, 4, 5, 6};
    TalkKey = "12A";
    ArrivalMinute = 9;
    Destination = 5;
    CallCount = 2;
    EndingGirl = 7;
    SceneMidi = "M230C.mid";
    SerifTop = 7000;
    GamePhase = ClosingTimePhase;
    CurrentPlace = 6;
    CV_Midi::LoopMidi = "M292C.mid";
    CV_Midi::MidiOff = true;

    ResetGameState();

    const std::array<Integer, 7> none{};
    EXPECT_EQ(ClickFlag, False);
    EXPECT_EQ(Love, none);
    EXPECT_EQ(MetFlag, none);
    EXPECT_EQ(ReplyCodes, (std::array<Integer, 6>{}));
    for (Integer number :
         {GameMinute, TargetGirl, ArrivalMinute, Destination, CallCount, EndingGirl, SerifTop, GamePhase, CurrentPlace})
        EXPECT_EQ(number, 0);
    for (const std::string* text : {&PlayerNamae, &PlayerMyouji, &TalkKey, &SceneMidi, &CV_Midi::LoopMidi})
        EXPECT_EQ(*text, "");
    EXPECT_FALSE(CV_Midi::MidiOff);
    EXPECT_EQ(CrLf, "\r\n");
}
