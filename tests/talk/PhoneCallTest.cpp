// The friend's calls come during long walks only, and the first one tips the player off
// about the girl he picked in the album.
#include "core/StoryScript.h"
#include "support/PlayingGame.h"

#include <algorithm>
#include <vector>

using namespace Velmoor2;

namespace {

class PhoneCalls : public PlayingGame {
protected:
    void SetUp() override
    {
        PlayingGame::SetUp();
        GameMinute = 3;
        Platform::SetIdleHook([this] {
            shown.push_back(TheMainScreen.Get().Label1.Caption());
            TheMainScreen.Get().Label1.SimulateClick();
            Platform::Defer([] {});
        });
    }
    void WalkTo(int place)
    {
        TheMainScreen.Get().Command1[place - 1]->SimulateClick();
        TickUntil(ArrivalMinute);
    }
    bool Shown(const std::string& text) const { return std::find(shown.begin(), shown.end(), text) != shown.end(); }
    std::vector<std::string> shown;
};

}  // namespace

TEST_F(PhoneCalls, ALongWalkBringsTheFirstCallWithTheTipAboutThePickedGirl)
{
    CurrentPlace = 1;
    TargetGirl = 2;
    UpdatePlaceButtons();
    WalkTo(2);  // four minutes
    EXPECT_EQ(CallCount, 1);
    EXPECT_TRUE(Shown(ScriptSection({"story/front/phonecalls.txt", "call 1 tip"})[1].text));
    EXPECT_EQ(CurrentPlace, 2);
}

TEST_F(PhoneCalls, AShortWalkBringsNoCall)
{
    CurrentPlace = 1;
    UpdatePlaceButtons();
    WalkTo(4);  // two minutes
    EXPECT_EQ(CallCount, 0);
    EXPECT_EQ(CurrentPlace, 4);
}
