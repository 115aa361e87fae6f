#include "core/NumericText.h"

#include <gtest/gtest.h>

using Velmoor2::NumericValue;
using Velmoor2::ReadNumber;

TEST(NumericText, ReadsTheNumberAtTheStartHeldToSixteenBits)
{
    EXPECT_EQ(NumericValue("101手伝うよ"), 101);
    EXPECT_EQ(NumericValue("12A"), 12);
    EXPECT_EQ(NumericValue("+3"), 3);
    EXPECT_EQ(NumericValue("-2"), -2);
    EXPECT_EQ(NumericValue(" \t5"), 5);
    EXPECT_EQ(NumericValue("x5"), 0);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_FALSE(ReadNumber("-").found);
    EXPECT_EQ(ReadNumber(" -42 rest").end, 4u);
    EXPECT_EQ(NumericValue("32767"), 32767);
    EXPECT_EQ(NumericValue("-32768"), -32768);
    EXPECT_TRUE(ReadNumber("-32768").fits);
    EXPECT_FALSE(ReadNumber("32768").fits);
    EXPECT_EQ(NumericValue("32768"), 32767);
    EXPECT_EQ(NumericValue("-99999999999999999999"), -32768);
}
