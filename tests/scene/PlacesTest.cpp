#include "scene/Places.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

TEST(SchoolMap, PathsNeighboursCaptionsAndHeadersMatchTheGrounds)
{
    struct Case {
        int a, b, minutes;
    };
    const Case cases[] = {{1, 2, 4}, {1, 3, 3}, {1, 4, 2}, {1, 5, 2}, {2, 4, 2}, {3, 7, 1}, {4, 6, 1}, {5, 7, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(WalkingMinutes(c.a, c.b), c.minutes) << c.a << "-" << c.b;
        EXPECT_EQ(WalkingMinutes(c.b, c.a), c.minutes) << c.b << "-" << c.a;
    }
    const int expected[8][8] = {{},
                                {0, 0, 1, 1, 1, 1, 0, 0},
                                {0, 1, 0, 0, 1, 0, 0, 0},
                                {0, 1, 0, 0, 0, 0, 0, 1},
                                {0, 1, 1, 0, 0, 0, 1, 0},
                                {0, 1, 0, 0, 0, 0, 0, 1},
                                {0, 0, 0, 0, 1, 0, 0, 0},
                                {0, 0, 0, 1, 0, 1, 0, 0}};
    for (int from = 1; from <= 7; ++from)
        for (int to = 1; to <= 7; ++to)
            EXPECT_EQ(AreNeighbours(from, to), expected[from][to] != 0) << from << "->" << to;
    EXPECT_EQ(WalkingMinutes(0, 1), 0);
    EXPECT_EQ(WalkingMinutes(3, 8), 0);
    EXPECT_EQ(PlaceCaption(3), "校　庭");
    EXPECT_EQ(PlaceHeader(1), "【校舎Ａ：屋上】");
    EXPECT_EQ(PlaceHeader(6), "【テニスコート】");
    EXPECT_EQ(PlaceCaption(0), "");
    EXPECT_EQ(PlaceHeader(8), "");
}
