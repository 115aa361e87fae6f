// Whole closing sequences on the real screens: the clock reaches 5:00 PM, the player clicks
// through the gate, her confession and the epilogue, the staff roll turns its pages, and the
// program ends with the clear recorded. The program really ends, so each runs as a death test.
#include "endings/ClearRecord.h"
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

    // Clicks through every wait; on the staff roll each wait is one page of the roll.
    static void PlayToTheEnd(bool skipTheRoll = false)
    {
        Platform::SetIdleHook([skipTheRoll] {
            if (TheStaffRoll.IsLoaded() && TheStaffRoll.Get().Form.IsVisible()) {
                if (skipTheRoll)
                    TheStaffRoll.Get().Label2.SimulateDoubleClick();
                TheStaffRoll.Get().Timer1_Timer();
            } else if (TheMainScreen.IsLoaded()) {
                TheMainScreen.Get().Label1.SimulateClick();
            }
            Platform::Defer([] {});  // wake the wait at once instead of at the next timer
        });
        Tick();
        std::_Exit(3);  // the sequence must end the program by itself
    }

    // Affection that makes `girl` call out at the gate; mutual when she was picked in the album.
    static void PlayEndingOf(int girl, bool mutual)
    {
        MetFlag = {0, 1, 1, 1, 1, 1, 1};
        if (IsClassmate(girl))
            Love[girl] = 9;
        else
            Love[1] = girl == 8 ? 3 : 1;
        TargetGirl = static_cast<Integer>(mutual ? girl : 9);
        PlayToTheEnd();
    }

    // The data room's replay marks the girl with affection 100.
    static void PlayReplayOf(int girl)
    {
        MetFlag = {0, 1, 1, 1, 1, 1, 1};
        Love[girl] = 100;
        TargetGirl = 9;
        PlayToTheEnd(true);
    }
};

}  // namespace

TEST_F(ClosingSequence, EachHeroinesEndingIsRecordedWithItsKind)
{
    // The children run this body again up to their own ending: seed the old record only once.
    if (GetGameSetting(ClearRecordKey).empty())
        SaveGameSetting(ClearRecordKey, "道1");
    for (int girl = 1; girl <= 8; ++girl) {
        SCOPED_TRACE("heroine " + std::to_string(girl));
        for (bool mutual : {false, true}) {
            if (girl >= 7 && mutual)
                continue;
            EXPECT_EXIT(PlayEndingOf(girl, mutual), testing::ExitedWithCode(0), "");
            const int outcome = RecordedOutcome(GetGameSetting(ClearRecordKey), girl);
            EXPECT_EQ(outcome & (mutual ? OutcomeMutualLove : OutcomeConfession), mutual ? 2 : 1);
        }
    }
    // Every clear kept, the record already there first.
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "道1修3康3和3潤3智3裕3進1");
}

TEST_F(ClosingSequence, AReplayFromTheDataRoomCanSkipTheRollAndRecordsNothing)
{
    EraseGameSettings();
    EXPECT_EXIT(PlayReplayOf(3), testing::ExitedWithCode(0), "");
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "");
}
