#include "endings/ClearRecord.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

TEST(ClearRecord, FirstClearsAppendInOrder)
{
    EXPECT_EQ(UpdatedClearRecord("", 1, OutcomeConfession), "修1");
    EXPECT_EQ(UpdatedClearRecord("修1", 8, OutcomeMutualLove), "修1道2");
    EXPECT_EQ(RecordedOutcome("修1道2", 8), 2);
    EXPECT_EQ(RecordedOutcome("修1道2", 4), 0);
}

TEST(ClearRecord, ALaterClearOrsIntoHerDigitAndKeepsTheOthers)
{
    EXPECT_EQ(UpdatedClearRecord("康1修1道2", 1, OutcomeMutualLove), "康1修3道2");
    EXPECT_EQ(UpdatedClearRecord("康1修3道2", 1, OutcomeConfession), "康1修3道2");
    EXPECT_EQ(UpdatedClearRecord("康2", 2, OutcomeConfession), "康3");
    // A character that is not a digit reads as 0 and is replaced by the outcome.
    EXPECT_EQ(UpdatedClearRecord("和x潤1", 3, OutcomeMutualLove), "和2潤1");
}

TEST(ClearRecord, AMarkerLeftLastGetsItsDigitWithoutLosingAnyEntry)
{
    EXPECT_EQ(UpdatedClearRecord("修1智", 5, OutcomeConfession), "修1智1");
    EXPECT_EQ(RecordedOutcome("修1智", 5), 0);
}
