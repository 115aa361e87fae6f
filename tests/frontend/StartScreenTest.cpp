// The start screen: the greeting by hour, the menu's colours, name entry and the new game it
// starts, the continued game, and the data room's gate.
#include "core/Random.h"
#include "media/CV_Midi.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "support/CurrentFolder.h"
#include "support/FrontScreens.h"
#include "support/ScratchFolder.h"

#include <filesystem>

using namespace Velmoor2;

namespace {

class StartScreen : public FrontScreens {
protected:
    void SetUp() override
    {
        FrontScreens::SetUp();
        start = &TheStartScreen.Get();
        start->Form.Show();
    }
    VelStart* start = nullptr;
};

SavedGame AGameAtTheGymnasium()
{
    SavedGame game;
    game.myouji = "榊";
    game.namae = "透";
    game.gameMinute = 17;
    game.love = {0, 5, -3, 2, 0, 9, 1};
    game.metFlag = {0, 1, 0, 1, 0, 0, 1};
    game.targetGirl = 6;
    game.currentPlace = 5;
    return game;
}

}  // namespace

TEST(StartScreenGreeting, FollowsTheHourAtEveryBoundary)
{
    const std::pair<int, const char*> expected[] = {{0, "こんばんは。"},  {3, "こんばんは。"},  {4, "おはよう。"},
                                                    {10, "おはよう。"},   {11, "こんにちは。"}, {17, "こんにちは。"},
                                                    {18, "こんばんは。"}, {23, "こんばんは。"}};
    for (const auto& [hour, greeting] : expected)
        EXPECT_EQ(GreetingForHour(hour), greeting) << hour;
}

TEST_F(StartScreen, GreetsAsksWhatToDoAndTheMenuFollowsThePointer)
{
    const std::string serif = start->Serif.Caption();
    EXPECT_NE(serif.find("\r\n先輩、今日は何をするの？"), std::string::npos) << serif;
    EXPECT_TRUE(start->Serif.ShowsWholeCaption()) << "the balloon cuts off: " << serif;
    EXPECT_EQ(CV_Midi::LoopMidi, "M291C.mid");
    const Platform::Colour light = Platform::Rgb(255, 255, 192);
    start->Label1[0]->SimulateMouseMove();
    start->Label1[1]->SimulateMouseMove();
    EXPECT_EQ(start->Label1[0]->BackColour(), Platform::Rgb(255, 224, 192));
    EXPECT_EQ(start->Label1[1]->BackColour(), light);
    EXPECT_FALSE(start->MenuAtRest);
    start->Form.SimulateMouseMove();
    EXPECT_EQ(start->Label1[1]->BackColour(), Platform::Rgb(192, 255, 192));
    EXPECT_TRUE(start->MenuAtRest);
}

TEST_F(StartScreen, AnEmptyNameBoxIsRefusedWithTheWarningAndKeepsTheEntry)
{
    start->Label1[0]->SimulateClick();
    EXPECT_TRUE(start->Picture1.IsVisible());
    EXPECT_FALSE(start->Label1[0]->IsVisible());
    EXPECT_TRUE(start->Serif.ShowsWholeCaption()) << start->Serif.Caption();
    EXPECT_EQ(start->Picture1.Text1.Text(), "") << "no names stored yet";
    start->Picture1.Text1.SetText("高瀬");
    start->Picture1.OKBUTTON.SimulateClick();
    EXPECT_EQ(start->Serif.Caption(), "ふざけてないで、ちゃんと書いてください！すずを怒らせると、こわいんですからね！");
    EXPECT_TRUE(start->Serif.ShowsWholeCaption());
    EXPECT_TRUE(start->Picture1.IsVisible());
    EXPECT_EQ(start->Picture1.Text1.Text(), "高瀬");
    EXPECT_EQ(GamePhase, NoGameYet);
}

TEST_F(StartScreen, ANewGameDrawsAffectionClearsFlagsAndTellsTheOpeningUpToTheAlbumPick)
{
    CurrentFolder inGameDirectory(VEL_GAME_DIR);
    SeedRandom(7);
    MetFlag = {0, 1, 1, 1, 1, 1, 1};
    PlayerClicksThrough(4);
    start->Label1[0]->SimulateClick();
    start->Picture1.Text1.SetText(" ");  // a single blank passes
    start->Picture1.Text2.SetText("悠");
    start->Picture1.OKBUTTON.SimulateClick();

    EXPECT_FALSE(TheStartScreen.IsLoaded());
    EXPECT_FALSE(TheClassAlbum.IsLoaded());
    EXPECT_EQ(PlayerMyouji, " ");
    EXPECT_EQ(GetGameSetting(MyoujiKey), " ");
    EXPECT_EQ(GetGameSetting(NamaeKey), "悠");
    EXPECT_EQ(TargetGirl, 4);
    for (int girl : Classmates) {
        const int drawn = girl == 4 ? Love[girl] + 2 : Love[girl];
        EXPECT_GE(drawn, 0) << girl;
        EXPECT_LE(drawn, 4) << girl;
        EXPECT_EQ(MetFlag[girl], 0) << girl;
    }
    EXPECT_EQ(GameMinute, 1);
    EXPECT_EQ(CurrentPlace, 3);
    EXPECT_EQ(GamePhase, FreeAtPlace);
    EXPECT_EQ(TheMainScreen.Get().lblClock.Caption(), "4:31 PM");
}

TEST_F(StartScreen, TheNextRunFindsTheLastNamesInTheBoxes)
{
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "高瀬"));
    ASSERT_TRUE(SaveGameSetting(NamaeKey, "悠"));
    start->Label1[0]->SimulateClick();
    EXPECT_EQ(start->Picture1.Text1.Text(), "高瀬");
    EXPECT_EQ(start->Picture1.Text2.Text(), "悠");
}

TEST_F(StartScreen, AContinuedGameStartsAtItsSavedMinuteAndPlaceAndTheSaveIsGone)
{
    ScratchFolder folder;
    ASSERT_TRUE(WriteSaveFile(AGameAtTheGymnasium()));
    start->Label1[1]->SimulateClick();
    ASSERT_TRUE(start->LOADOK.IsVisible());
    Platform::PumpEvents();
    ASSERT_TRUE(start->LOADOK.HasFocus()) << "Enter continues";
    start->LOADOK.SimulateKey(Platform::Control::Key::Enter);

    EXPECT_FALSE(TheStartScreen.IsLoaded());
    EXPECT_FALSE(std::filesystem::exists(SaveFileName));
    EXPECT_FALSE(TheClassAlbum.IsLoaded()) << "no album in a continued game";
    EXPECT_EQ(PlayerMyouji, "榊");
    EXPECT_EQ(GameMinute, 17);
    EXPECT_EQ(CurrentPlace, 5);
    EXPECT_EQ(TargetGirl, 6);
    EXPECT_EQ(Love[2], -3);
    EXPECT_EQ(TheMainScreen.Get().lblClock.Caption(), "4:47 PM");
    EXPECT_EQ(TheMainScreen.Get().Form.Caption(), "Velmoor Episode2");
    EXPECT_EQ(TheMainScreen.Get().Label2.Caption(), "") << "nobody there";
}

TEST_F(StartScreen, ADamagedSaveIsReportedKeptOnDiskAndTheMenuComesBack)
{
    ScratchFolder folder;
    folder.Write(SaveFileName, "高瀬\r\n悠\r\n12\r\n");
    std::string reported;
    Platform::SetMessageBoxHook([&](const std::string& text, int, const std::string&) {
        reported = text;
        return Platform::AnswerOk;
    });
    start->Label1[1]->SimulateClick();
    testing::internal::CaptureStderr();
    start->LOADOK.SimulateClick();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(reported.empty());
    EXPECT_NE(log.find("velmoor2: the save is cut short: 3 of 17 lines"), std::string::npos) << log;
    EXPECT_TRUE(std::filesystem::exists(SaveFileName));
    EXPECT_TRUE(TheStartScreen.IsLoaded());
    EXPECT_TRUE(start->Label1[0]->IsVisible());
    EXPECT_FALSE(start->LOADOK.IsVisible());
    EXPECT_EQ(GamePhase, NoGameYet);
    EXPECT_EQ(GameMinute, 0) << "nothing half-loaded";
}

// Continue without a save and the data room before any game has been finished only change the line.
TEST_F(StartScreen, ContinueNeedsASaveAndTheDataRoomAFinishedGame)
{
    ScratchFolder folder;
    start->Label1[1]->SimulateClick();
    EXPECT_EQ(start->Serif.Caption(), "あれ？先輩、前回の記録がありませんよ。ちゃんとセーブした？");
    EXPECT_TRUE(start->Serif.ShowsWholeCaption());
    EXPECT_TRUE(start->Label1[1]->IsVisible());
    start->Label1[2]->SimulateClick();
    EXPECT_EQ(start->Serif.Caption(),
              "ここは、一度でもゲームを最後まで終わらせなきゃ見ちゃいけないところなんですって。");
    EXPECT_TRUE(start->Serif.ShowsWholeCaption());
    EXPECT_FALSE(TheDataRoom.IsLoaded());

    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, "和1"));
    Platform::SetIdleHook([] {
        if (TheDataRoom.IsLoaded())
            TheDataRoom.Get().Command1.SimulateClick();
        Platform::Defer([] {});
    });
    start->Label1[2]->SimulateClick();
    EXPECT_FALSE(TheDataRoom.IsLoaded()) << "back on the start screen";
    EXPECT_TRUE(start->Form.IsVisible());
    start->Label1[0]->SimulateClick();
    EXPECT_TRUE(start->Picture1.IsVisible()) << "a new game still opens";
}

TEST(StartScreenDeath, ClosingTheStartScreenEndsTheProgramWithoutAMessage)
{
    EXPECT_EXIT(TheStartScreen.Get().Form.SimulateCloseBox(), testing::ExitedWithCode(0), "");
}
