// A closing sequence replayed from the data room on the real screens: the clock reaches 5:00 PM,
// the player clicks through the gate, her confession and the epilogue, skips the staff roll, and
// the program ends with nothing recorded. The program really ends, so it runs as a death test.
// Whole games to every ending, recorded with its kind, are played in tests/game/WholeGameTest.cpp.
#include "endings/VelEnding.h"
#include "persist/GameSettings.h"
#include "support/PlayingGame.h"
#include "support/SharedScratch.h"

#include <cstdlib>

using namespace Velmoor2;

namespace {

class ClosingSequence : public PlayingGame {
protected:
    void SetUp() override
    {
        // The ending runs in a child process, which shares the settings folder made here.
        config = std::make_unique<SharedScratch>("VELMOOR_TEST_CONFIG", "velmoor-config");
        ::setenv("XDG_CONFIG_HOME", config->Path().c_str(), 1);
        PlayingGame::SetUp();
        GameMinute = 29;
    }
    void TearDown() override
    {
        PlayingGame::TearDown();
        config.reset();
    }
    std::unique_ptr<SharedScratch> config;

    // The data room's replay marks the girl with affection 100. The player clicks through every
    // wait and skips the staff roll; the sequence must end the program by itself.
    static void PlayReplaySkippingTheRoll(int girl)
    {
        MetFlag = {0, 1, 1, 1, 1, 1, 1};
        Love[girl] = 100;
        TargetGirl = 9;
        Platform::SetIdleHook([] {
            if (TheStaffRoll.IsLoaded() && TheStaffRoll.Get().Form.IsVisible()) {
                TheStaffRoll.Get().Label2.SimulateDoubleClick();
                TheStaffRoll.Get().Timer1_Timer();
            } else if (TheMainScreen.IsLoaded()) {
                TheMainScreen.Get().Label1.SimulateClick();
            }
            Platform::Defer([] {});  // wake the wait at once instead of at the next timer
        });
        Tick();
        std::_Exit(3);
    }
};

}  // namespace

TEST_F(ClosingSequence, AReplayFromTheDataRoomCanSkipTheRollAndRecordsNothing)
{
    EraseGameSettings();
    EXPECT_EXIT(PlayReplaySkippingTheRoll(3), testing::ExitedWithCode(0), "");
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "");
}
