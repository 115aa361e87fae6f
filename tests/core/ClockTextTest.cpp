#include "core/GameState.h"

#include <gtest/gtest.h>

using Velmoor2::ClockText;

TEST(ClockText, RunsFromHalfPastFourToTheGate)
{
    EXPECT_EQ(ClockText(0), "4:30 PM");
    EXPECT_EQ(ClockText(1), "4:31 PM");
    EXPECT_EQ(ClockText(29), "4:59 PM");
    EXPECT_EQ(ClockText(30), "5:00 PM");
    EXPECT_EQ(ClockText(31), "5:00 PM");
}
