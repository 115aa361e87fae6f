#include "endings/ClosingDecision.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

namespace {

Integer DecideWith(std::array<Integer, 7> love, std::array<Integer, 7> met)
{
    Love = love;
    MetFlag = met;
    PlayerMyouji = "高瀬";
    PlayerNamae = "悠";
    return DecideEndingGirl().girl;
}

constexpr std::array<Integer, 7> AllMet{0, 1, 1, 1, 1, 1, 1};

}  // namespace

TEST(ClosingDecision, HighestMetClassmateFromFiveWinsAndTheFirstOfATie)
{
    EXPECT_EQ(DecideWith({0, 5, 0, 0, 0, 0, 0}, AllMet), 1);
    EXPECT_EQ(DecideWith({0, 7, 9, 9, 0, 0, 0}, AllMet), 2);
    EXPECT_EQ(DecideWith({0, 0, 0, 0, 0, 0, 32767}, AllMet), 6);
    // An unmet heroine never calls out, whatever her affection.
    EXPECT_EQ(DecideWith({0, 20, 6, 0, 0, 0, 0}, {0, 0, 1, 1, 1, 1, 1}), 2);
}

TEST(ClosingDecision, BelowFiveTheChildhoodFriendOrTheYoungerStudentCalls)
{
    EXPECT_EQ(DecideWith({0, 4, 0, 0, 0, 0, 0}, AllMet), 8);
    EXPECT_EQ(DecideWith({0, 3, 0, 0, 0, 0, 0}, AllMet), 8);
    EXPECT_EQ(DecideWith({0, 2, 0, 0, 0, 0, 0}, AllMet), 7);
    EXPECT_EQ(DecideWith({0, -5, -32768, 0, 0, 0, 0}, AllMet), 7);
    EXPECT_EQ(DecideWith({0, 9, 9, 9, 9, 9, 9}, {}), 7);
}

TEST(ClosingDecision, TheCallUsesTheNameFormOfTheGirlWhoCalls)
{
    DecideWith({0, 6, 0, 0, 0, 0, 0}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "高瀬君…");
    DecideWith({0, 3, 0, 0, 0, 0, 0}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "悠君！");
    DecideWith({}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "高瀬先輩…");
}
