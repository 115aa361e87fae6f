// The data room: rows and marks from the clear record, the erase after its question, and the
// hidden replay that opens only when all eight heroines are cleared.
#include "persist/GameSettings.h"
#include "platform/Input.h"
#include "support/FrontScreens.h"

#include <cstdio>

using namespace Velmoor2;

namespace {

constexpr const char* AllEight = "修1康1和2潤1智3裕1進1道1";

class DataRoom : public FrontScreens {
protected:
    VelDatarm& Open(const std::string& record)
    {
        EXPECT_TRUE(SaveGameSetting(ClearRecordKey, record));
        VelDatarm& room = TheDataRoom.Get();
        room.Form.Show();
        return room;
    }
    static bool HasMark(VelDatarm& room, int row) { return room.Image2[VelDatarm::MarkBase + row]->HasPicture(); }
};

}  // namespace

TEST_F(DataRoom, ListsClearsInOrderWithTheirMarksAndOddEntriesAsEmptyRows)
{
    VelDatarm& room = Open("和1裕3修0");
    EXPECT_EQ(room.Label3[0]->Caption(), ListedName(3));
    EXPECT_EQ(room.Label3[1]->Caption(), ListedName(6));
    EXPECT_EQ(room.Label3[2]->Caption(), ListedName(1));
    EXPECT_TRUE(room.Image2[0]->HasPicture());
    EXPECT_TRUE(HasMark(room, 0));
    EXPECT_TRUE(HasMark(room, 1));
    EXPECT_FALSE(HasMark(room, 2)) << "outcome 0 shows no mark";
    EXPECT_EQ(room.Label3[3]->Caption(), "");
    EXPECT_FALSE(room.AllCleared);
    TheDataRoom.Unload();
    VelDatarm& odd = Open("X1康");
    EXPECT_EQ(odd.Label3[0]->Caption(), "") << "an entry without a known marker keeps an empty row";
    EXPECT_FALSE(odd.Image2[0]->HasPicture());
    EXPECT_EQ(odd.Label3[1]->Caption(), ListedName(2));
    EXPECT_FALSE(HasMark(odd, 1)) << "a missing digit reads as 0";
}

TEST_F(DataRoom, EraseAsksFirstAndRemovesRecordAndNamesButLeavesTheListShown)
{
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "高瀬"));
    VelDatarm& room = Open("和1");
    int answer = Platform::AnswerNo, asked = 0;
    Platform::SetMessageBoxHook([&](const std::string&, int flags, const std::string& title) {
        ++asked;
        EXPECT_EQ(flags, Platform::MbYesNoInformationDefaultNo);
        EXPECT_EQ(title, "Data Clear!!!");
        return answer;
    });
    room.Command2.SimulateClick();
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "和1");
    answer = Platform::AnswerYes;
    room.Command2.SimulateClick();
    room.Command2.SimulateClick();  // a second erase finds nothing left and still succeeds
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "");
    EXPECT_EQ(GetGameSetting(MyoujiKey), "");
    EXPECT_EQ(room.Label3[0]->Caption(), ListedName(3));
    EXPECT_TRUE(room.Form.IsVisible());
}

TEST_F(DataRoom, TheReplayNeedsAllEightAndTheKeys)
{
    VelDatarm& seven = Open("修1康1和2潤1智3裕1進1");
    seven.Image2[1]->SimulateDoubleClick(Platform::ShiftKey | Platform::CtrlKey | Platform::AltKey);
    EXPECT_TRUE(TheDataRoom.IsLoaded());
    TheDataRoom.Unload();
    VelDatarm& eight = Open(AllEight);
    EXPECT_TRUE(eight.AllCleared);
    eight.Image2[1]->SimulateDoubleClick(Platform::ShiftKey);
    EXPECT_TRUE(TheDataRoom.IsLoaded());
    EXPECT_EQ(TargetGirl, 0);
}

namespace {

// The replay ends the program with the ending: report the replay's set-up at its first wait.
// Opens the data room from the start screen, double-clicks a portrait in it, and reports the
// state once the replayed ending first waits for the player.
void ReplayAndReport(int row, int keys)
{
    Platform::SetIdleHook([row, keys] {
        if (TheDataRoom.IsLoaded()) {
            TheDataRoom.Get().Image2[row]->SimulateDoubleClick(keys);
            return;
        }
        std::fprintf(stderr, "target %d love1 %d love2 %d love6 %d met %d start %d\n", TargetGirl, Love[1], Love[2],
                     Love[6], MetFlag[3], TheStartScreen.IsLoaded());
        Platform::EndProgram();
    });
    TheStartScreen.Get().Label1_Click(2);
}

}  // namespace

TEST_F(DataRoom, ShiftCtrlReplaysTheConfessionAndShiftCtrlAltTheMutualLoveVersion)
{
    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, AllEight));
    TheStartScreen.Get();
    const int shiftCtrl = Platform::ShiftKey | Platform::CtrlKey;
    EXPECT_EXIT(ReplayAndReport(1, shiftCtrl), testing::ExitedWithCode(0),
                "target 9 love1 0 love2 100 love6 0 met 1 start 0");
    EXPECT_EXIT(ReplayAndReport(1, shiftCtrl | Platform::AltKey), testing::ExitedWithCode(0),
                "target 2 love1 0 love2 100");
    EXPECT_EXIT(ReplayAndReport(6, shiftCtrl), testing::ExitedWithCode(0), "target 9 love1 -100 love2 1 love6 1");
    EXPECT_EXIT(ReplayAndReport(7, shiftCtrl | Platform::AltKey), testing::ExitedWithCode(0),
                "target 8 love1 -100 love2 4 love6 4");
}
