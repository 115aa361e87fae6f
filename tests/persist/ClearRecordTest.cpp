#include "persist/ClearRecord.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

TEST(ClearRecord, FirstClearsAppendInOrderAndLaterOnesOrIntoTheirDigit)
{
    EXPECT_EQ(UpdatedClearRecord("", 1, OutcomeConfession), "修1");
    EXPECT_EQ(UpdatedClearRecord("修1", 8, OutcomeMutualLove), "修1道2");
    EXPECT_EQ(RecordedOutcome("修1道2", 8), 2);
    EXPECT_EQ(RecordedOutcome("修1道2", 4), 0);
    EXPECT_EQ(UpdatedClearRecord("康1修1道2", 1, OutcomeMutualLove), "康1修3道2");
    EXPECT_EQ(UpdatedClearRecord("康1修3道2", 1, OutcomeConfession), "康1修3道2");
    EXPECT_EQ(UpdatedClearRecord("康2", 2, OutcomeConfession), "康3");
    // A character that is not a digit reads as 0 and is replaced by the outcome.
    EXPECT_EQ(UpdatedClearRecord("和x潤1", 3, OutcomeMutualLove), "和2潤1");
}

// A digit edited by hand beyond the game's 1 to 3 keeps what it says, and the new clear is added,
// instead of growing into a letter that reads as no clear at all; a marker left last gets its digit.
TEST(ClearRecord, AHandEditedRecordKeepsEveryEntryAndTakesTheNewClear)
{
    EXPECT_EQ(UpdatedClearRecord("修9潤1", 1, OutcomeMutualLove), "修3潤1");
    EXPECT_EQ(RecordedOutcome(UpdatedClearRecord("修9", 1, OutcomeMutualLove), 1), 3);
    EXPECT_EQ(UpdatedClearRecord("修9", 1, OutcomeConfession), "修1");
    EXPECT_EQ(UpdatedClearRecord("修8", 1, OutcomeMutualLove), "修2");
    EXPECT_EQ(UpdatedClearRecord("修8", 1, OutcomeConfession), "修1");
    EXPECT_EQ(UpdatedClearRecord("修1智", 5, OutcomeConfession), "修1智1");
    EXPECT_EQ(RecordedOutcome("修1智", 5), 0);
}
