#include "scene/PlaceButtonRule.h"

#include <gtest/gtest.h>

using Velmoor2::PlaceButtonStates;
using Buttons = std::array<bool, 7>;

TEST(PlaceButtons, OnlyNeighboursOpenWhileFreeClosedWhileBusyAndUntouchedOtherwise)
{
    const std::array<bool, 7> atCourt{false, false, false, true, false, false, false};
    EXPECT_EQ(PlaceButtonStates(3, 6), atCourt);
    const std::array<bool, 7> atBuildingA{false, true, true, true, true, false, false};
    EXPECT_EQ(PlaceButtonStates(3, 1), atBuildingA);
    EXPECT_EQ(PlaceButtonStates(3, 0), Buttons{});
    EXPECT_EQ(PlaceButtonStates(3, 8), Buttons{});
    for (int phase : {1, 2, 5})
        EXPECT_EQ(PlaceButtonStates(phase, 3), Buttons{});
    for (int phase : {0, 4, 6, -1})
        EXPECT_FALSE(PlaceButtonStates(phase, 3).has_value());
}
