#include "talk/FieldReader.h"

#include <gtest/gtest.h>
#include <random>
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

// Fields written the way our converter writes them always come back as they went in.
TEST(FieldReader, RandomFieldsRoundTripAndRandomBytesNeverHang)
{
    std::mt19937 random(20261207);
    const std::string alphabet = "ab1+-, \"\r\n";
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> fields(1 + random() % 6);
        std::string text;
        for (std::string& field : fields) {
            for (int n = random() % 8; n > 0; --n) {
                char c = alphabet[random() % alphabet.size()];
                field += c == '"' ? 'q' : c;
            }
            while (!field.empty() && field.front() == ' ')
                field.erase(0, 1);
            text += "\"" + field + "\"\r\n";
        }
        ASSERT_EQ(AllFields(text), fields) << text;

        std::string noise;
        for (int n = random() % 64; n > 0; --n)
            noise += static_cast<char>(random());
        ASSERT_LE(AllFields(noise).size(), noise.size() + 1);
    }
}
