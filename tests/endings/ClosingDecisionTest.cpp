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

TEST(ClosingDecision, HighestMetClassmateFromFiveWinsElseTheFriendOrTheYoungerStudent)
{
    EXPECT_EQ(DecideWith({0, 5, 0, 0, 0, 0, 0}, AllMet), 1) << "five is enough";
    EXPECT_EQ(DecideWith({0, 7, 9, 9, 0, 0, 0}, AllMet), 2) << "the first of a tie";
    EXPECT_EQ(DecideWith({0, 0, 0, 0, 0, 0, 32767}, AllMet), 6) << "the last classmate";
    EXPECT_EQ(DecideWith({0, 20, 6, 0, 0, 0, 0}, {0, 0, 1, 1, 1, 1, 1}), 2) << "an unmet heroine never calls out";
    EXPECT_EQ(DecideWith({0, 4, 0, 0, 0, 0, 0}, AllMet), 8) << "below five: the friend";
    EXPECT_EQ(DecideWith({0, 3, 0, 0, 0, 0, 0}, AllMet), 8) << "the friend down to three";
    EXPECT_EQ(DecideWith({0, 2, 0, 0, 0, 0, 0}, AllMet), 7) << "below three: the younger student";
    EXPECT_EQ(DecideWith({0, -5, -32768, 0, 0, 0, 0}, AllMet), 7) << "all below zero";
    EXPECT_EQ(DecideWith({0, 9, 9, 9, 9, 9, 9}, {}), 7) << "nobody met";
    DecideWith({0, 6, 0, 0, 0, 0, 0}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "高瀬君…") << "a classmate";
    DecideWith({0, 3, 0, 0, 0, 0, 0}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "悠君！") << "the friend";
    DecideWith({}, AllMet);
    EXPECT_EQ(DecideEndingGirl().callText, "高瀬先輩…") << "the younger student";
}
