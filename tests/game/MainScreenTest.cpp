// The main screen in play: the clock, walking, meeting a heroine, answering or ignoring her,
// the hidden fast clock and the quit question.
#include "platform/Input.h"
#include "scene/Places.h"
#include "scene/Scenes.h"
#include "support/PlayingGame.h"

using namespace Velmoor2;

namespace {

VelMain& Main() { return TheMainScreen.Get(); }

bool AnyPlaceButtonEnabled()
{
    for (auto& button : Main().Command1)
        if (button->IsEnabled())
            return true;
    return false;
}

}  // namespace

TEST_F(PlayingGame, TheClockRunsAMinuteATickAndTheHiddenSpotTicksOnlyWithShiftCtrl)
{
    Tick();
    EXPECT_EQ(Main().lblClock.Caption(), "4:31 PM");
    Main().KaKushiDummy.SimulateMouseDown(Platform::RightButton, Platform::ShiftKey | Platform::CtrlKey);
    EXPECT_EQ(GameMinute, 2);
    Main().KaKushiDummy.SimulateMouseDown(Platform::RightButton, Platform::ShiftKey);
    Main().KaKushiDummy.SimulateMouseDown(Platform::LeftButton, Platform::ShiftKey | Platform::CtrlKey);
    Main().KaKushiDummy.SimulateMouseDown(Platform::RightButton,
                                          Platform::ShiftKey | Platform::CtrlKey | Platform::AltKey);
    EXPECT_EQ(GameMinute, 2);
}

TEST_F(PlayingGame, AWalkTakesItsMinutesAndArrivingWhereSheIsOpensTheReplies)
{
    Main().Command1[0]->SimulateClick();  // 校舎Ａ, three minutes from the schoolyard
    EXPECT_EQ(GamePhase, Walking);
    EXPECT_FALSE(AnyPlaceButtonEnabled());
    TickUntil(2);
    EXPECT_EQ(CurrentPlace, 3);
    Tick();
    EXPECT_EQ(CurrentPlace, 1);
    EXPECT_EQ(GamePhase, Conversation);
    EXPECT_EQ(TalkKey, "12A");
    EXPECT_EQ(MetFlag[2], 1);
    EXPECT_EQ(Main().Label2.Caption(), "鴨居　ひなた");
    ASSERT_TRUE(TheReplyDialog.IsLoaded());

    TheReplyDialog.Get().Command1[0]->SimulateClick();
    Platform::PumpEvents();
    EXPECT_FALSE(TheReplyDialog.IsLoaded());
    EXPECT_EQ(GamePhase, FreeAtPlace);
    EXPECT_NE(Love[2], 0);
    EXPECT_TRUE(AnyPlaceButtonEnabled());
    // She stays until the next full five minutes, then goes on her errand.
    TickUntil(5);
    EXPECT_TRUE(TalkKey.empty());
}

TEST_F(PlayingGame, AHeroineLeftUnansweredLeavesAtTheFullFiveMinutes)
{
    GameMinute = 5;  // waiting in the schoolyard: 呉羽 comes by at 4:36
    Tick();
    ASSERT_EQ(TalkKey, "31B");
    TickUntil(10);
    EXPECT_EQ(Love[1], -3);
    EXPECT_FALSE(TheReplyDialog.IsLoaded());
    EXPECT_EQ(GamePhase, FreeAtPlace);
    // Met once is met for the day: waiting on brings nobody else at 4:41.
    Tick();
    EXPECT_TRUE(TalkKey.empty());
}

TEST_F(PlayingGame, TheQuitQuestionCancelledKeepsTheGameGoing)
{
    int asked = 0;
    Platform::SetMessageBoxHook([&](const std::string& text, int, const std::string&) {
        ++asked;
        EXPECT_NE(text.find("Velmoor を終了します。"), std::string::npos);
        return Platform::AnswerCancel;
    });
    Main().Form.SimulateCloseBox();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Main().Form.IsVisible());
}
