// The title: the caption cycle, the start label's colours, and Shift/Ctrl/Alt switching the
// music off for the run; a click in the middle of the fade leaves cleanly.
#include "media/CV_Midi.h"
#include "platform/Input.h"
#include "platform/Timer.h"
#include "support/FrontScreens.h"

#include <algorithm>
#include <vector>

using namespace Velmoor2;

namespace {

constexpr Platform::Colour Red = Platform::Rgb(255, 0, 0);

class TitleScreen : public FrontScreens {
protected:
    void SetUp() override
    {
        FrontScreens::SetUp();
        title = &TheTitleScreen.Get();
        title->Form.Show();
    }
    void ExpectOnTheStartScreen()
    {
        EXPECT_FALSE(TheTitleScreen.IsLoaded());
        ASSERT_TRUE(TheStartScreen.IsLoaded());
        EXPECT_TRUE(TheStartScreen.Get().Form.IsVisible());
    }
    VelTitle* title = nullptr;
};

}  // namespace

TEST_F(TitleScreen, CaptionsFadeInStayTenSecondsAndHideForThree)
{
    EXPECT_EQ(title->Form.Caption(), "(C)1999 Corvane -Velmoor Episode2-");
    EXPECT_EQ(title->Timer1.Interval(), VelTitle::FirstTickMs);
    EXPECT_FALSE(title->Label3.IsVisible());
    title->Timer1_Timer();
    EXPECT_TRUE(title->Label4.IsVisible());
    EXPECT_TRUE(title->Label3.IsVisible());
    EXPECT_EQ(title->Label3.ForeColour(), Red);
    EXPECT_EQ(title->Label4.ForeColour(), Platform::Rgb(0, 255, 255));
    EXPECT_EQ(title->Timer1.Interval(), VelTitle::ShownMs);
    title->Timer1_Timer();
    EXPECT_FALSE(title->Label4.IsVisible());
    EXPECT_FALSE(title->Label3.IsVisible());
    EXPECT_EQ(title->Label3.ForeColour(), Platform::Rgb(0, 0, 0));
    EXPECT_EQ(title->Timer1.Interval(), VelTitle::HiddenMs);
}

TEST_F(TitleScreen, ATickFallingInsideTheFadeLeavesTheFadeAlone)
{
    // The fade outlasts the 3 s before it, so the title's next tick arrives in the middle of it.
    std::vector<int> episodeShades;
    Platform::Timer watcher(1, true);
    watcher.OnTick([&] {
        if (episodeShades.empty())
            title->Timer1_Timer();
        const Platform::Colour shade = title->Label4.ForeColour();
        if (shade != Platform::Rgb(0, 0, 0))  // black before the first step
            episodeShades.push_back(static_cast<int>(shade & 0xFF));
    });
    title->Timer1_Timer();
    watcher.SetEnabled(false);
    ASSERT_GT(episodeShades.size(), 2u);
    EXPECT_TRUE(std::is_sorted(episodeShades.rbegin(), episodeShades.rend())) << "the shades only ever darken";
    EXPECT_EQ(title->Label3.ForeColour(), Red);
    EXPECT_EQ(title->Timer1.Interval(), VelTitle::ShownMs);
}

TEST_F(TitleScreen, ShiftCtrlOrAltOnTheStartLabelSwitchesTheMusicOffForTheRun)
{
    for (int keys : {Platform::ShiftKey, Platform::CtrlKey, Platform::AltKey}) {
        CV_Midi::MidiOff = false;
        TheTitleScreen.Get().Label2.SimulateMouseDown(Platform::RightButton, keys);
        EXPECT_TRUE(CV_Midi::MidiOff) << keys;
    }
    TheTitleScreen.Get().Label2.SimulateClick();
    ExpectOnTheStartScreen();
    EXPECT_TRUE(CV_Midi::MidiOff);
}

TEST_F(TitleScreen, AClickDuringTheFadeStopsItAndLeavesNoTitleBehind)
{
    Platform::Defer([] { TheTitleScreen.Get().Label2.SimulateClick(); });
    title->Timer1_Timer();  // the click arrives at the fade's first pump
    ExpectOnTheStartScreen();
}

TEST(TitleScreenDeath, ClosingTheTitleEndsTheProgram)
{
    EXPECT_EXIT(TheTitleScreen.Get().Form.SimulateCloseBox(), testing::ExitedWithCode(0), "");
}
