// The logo demo: 24 ticks of 200 ms, the letters in their order, the sprite's frames, and
// Shift/Ctrl/Alt silencing the jingle without shortening the demo.
#include "frontend/Demoform.h"

#include "platform/Input.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

namespace {

class LogoDemo : public testing::Test {
protected:
    void SetUp() override
    {
        demo = &TheLogoDemo.Get();
        demo->Form.Show();
    }
    void TearDown() override { TheLogoDemo.Unload(); }
    void TickTimes(int n)
    {
        for (int i = 0; i < n; ++i)
            demo->Timer1_Timer();
    }
    int VisibleSegments() const
    {
        int visible = 0;
        for (int i = 1; i <= Demoform::SegmentCount; ++i)
            visible += demo->Line1[i]->IsVisible();
        return visible;
    }
    Demoform* demo = nullptr;
};

}  // namespace

TEST_F(LogoDemo, OnlyAKeyWithShiftCtrlOrAltSilencesTheJingleAndTheDemoStillRunsItsWholeLength)
{
    demo->Form.SimulateKeyDown('A', 0);
    EXPECT_FALSE(demo->WavOff);
    demo->Form.SimulateKeyDown('A', Platform::CtrlKey);
    EXPECT_TRUE(demo->WavOff);
    // The letters appear group by group and the window hides at the twenty-fourth tick.
    EXPECT_EQ(demo->Timer1.Interval(), Demoform::TickMs);
    TickTimes(4);
    EXPECT_EQ(VisibleSegments(), 0);
    TickTimes(1);
    EXPECT_EQ(VisibleSegments(), 2);
    TickTimes(3);
    EXPECT_EQ(VisibleSegments(), 13);
    EXPECT_TRUE(demo->Image1.IsVisible());
    TickTimes(2);
    EXPECT_EQ(VisibleSegments(), 19);
    EXPECT_FALSE(demo->Label1.IsVisible());
    TickTimes(4);
    EXPECT_TRUE(demo->Label1.IsVisible());
    TickTimes(9);
    EXPECT_TRUE(demo->Form.IsVisible());
    TickTimes(1);
    EXPECT_FALSE(demo->Form.IsVisible());
    EXPECT_EQ(demo->Timer1.Interval(), 0);
}
