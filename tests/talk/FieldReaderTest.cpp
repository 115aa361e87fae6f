#include "talk/FieldReader.h"

#include <gtest/gtest.h>
#include <vector>

using Velmoor2::FieldReader;

namespace {

std::vector<std::string> AllFields(std::string_view text)
{
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.Next())
        fields.push_back(*field);
    return fields;
}

}  // namespace

TEST(FieldReader, SplitsAtCommasAndLineEndsAndSkipsLeadingBlanks)
{
    EXPECT_EQ(AllFields("12A,101,  102\r\n103\r\n"), (std::vector<std::string>{"12A", "101", "102", "103"}));
    EXPECT_EQ(AllFields("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(AllFields("last field without a line end"), std::vector<std::string>{"last field without a line end"});
    EXPECT_TRUE(AllFields("").empty());
}

TEST(FieldReader, QuotedFieldsKeepCommasAndLineEnds)
{
    EXPECT_EQ(AllFields("\"101a, b\r\nc+3\",102x\r\n"), (std::vector<std::string>{"101a, b\r\nc+3", "102x"}));
    // A quote that never closes runs to the end of the file instead of past it.
    EXPECT_EQ(AllFields("\"101 open"), std::vector<std::string>{"101 open"});
}

TEST(FieldReader, JapaneseTextPassesThroughUnchanged)
{
    EXPECT_EQ(AllFields("101手伝うよ、袋かして\r\n102三年間おつかれさま+9\r\n"),
              (std::vector<std::string>{"101手伝うよ、袋かして", "102三年間おつかれさま+9"}));
}
