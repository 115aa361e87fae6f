#include "talk/ConversationFiles.h"

#include "platform/Cp932.h"
#include "support/ScratchFolder.h"
#include "talk/ReplyDraw.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace Velmoor2;

namespace {

// Small conversation files in the game's own encoding, two conversations sharing code 101.
class ConversationFiles : public testing::Test {
protected:
    void SetUp() override
    {
        Write("VelKCode.dat",
              "12A,101,102,103,104,105,106,107,108,109,110\r\n"
              "13A,101,111,112,113,114,115,116,117,118,119\r\n");
        Write("VelKaiwa.dat", "101手伝うよ、ＸＸＸ\r\n\"102quoted, with comma\"\r\n101 second copy never read\r\n");
        Write("VelResp.dat",
              "12A\r\n101ＸＸＸさん、ＸＸＸさん+3\r\n102-2\r\n103text x5\r\n104short\r\n"
              "13A\r\n101other section-1\r\n105fell through+4\r\n");
    }
    void Write(const std::string& name, const std::string& utf8) { folder.Write(name, *Platform::Utf8ToCp932(utf8)); }
    ScratchFolder folder;
};

template <typename Value>
Value Ok(const Outcome<Value>& result)
{
    if (!result)
        ADD_FAILURE() << result.Failure().detail;
    return result ? result.Get() : Value{};
}

// What the player is told of a failed lookup; empty when it succeeded.
std::string ErrorOf(const auto& result) { return result ? "" : result.Failure().message; }

}  // namespace

TEST_F(ConversationFiles, LooksUpCodesCaptionsAndResponses)
{
    EXPECT_EQ(Ok(ReplyCodesOf("13A"))[9], 119);
    EXPECT_EQ(Ok(ReplyCaption(101)), "手伝うよ、ＸＸＸ");
    EXPECT_EQ(Ok(ReplyCaption(102)), "quoted, with comma");
    const Response both = Ok(ResponseTo("12A", 101));
    EXPECT_EQ(ReplaceNamePlaceholder(both.text, "高瀬"), "高瀬さん、ＸＸＸさん");
    EXPECT_EQ(both.change, 3);
    EXPECT_EQ(Ok(ResponseTo("13A", 101)).change, -1);
}

TEST_F(ConversationFiles, OddResponseFieldsReadAsTheGameReadsThem)
{
    const Response empty = Ok(ResponseTo("12A", 102));  // exactly five characters
    EXPECT_EQ(empty.text, "");
    EXPECT_EQ(empty.change, -2);
    EXPECT_EQ(Ok(ResponseTo("12A", 103)).change, 0);             // "x5" does not start with a number
    EXPECT_EQ(Ok(ResponseTo("12A", 105)).text, "fell through");  // from the first later section
}

TEST_F(ConversationFiles, AReplyFieldOfTheCodeAloneHasAnEmptyCaption)
{
    Write("VelKaiwa.dat", "7\r\n12\r\n105\r\n106x\r\n");
    EXPECT_EQ(Ok(ReplyCaption(7)), "");
    EXPECT_EQ(Ok(ReplyCaption(12)), "");
    EXPECT_EQ(Ok(ReplyCaption(105)), "");
    EXPECT_EQ(Ok(ReplyCaption(106)), "x");
}

TEST_F(ConversationFiles, WhatIsMissingIsNamedInTheReport)
{
    EXPECT_NE(ErrorOf(ReplyCodesOf("99A")).find("VelKCode.dat"), std::string::npos);
    EXPECT_NE(ErrorOf(ReplyCodesOf("99A")).find("99A"), std::string::npos);
    EXPECT_NE(ErrorOf(ReplyCaption(555)).find("555"), std::string::npos);
    EXPECT_NE(ErrorOf(ResponseTo("12A", 777)).find("VelResp.dat"), std::string::npos);
    // Code 12 stops on the id field "12A" itself, which is too short to be a response.
    EXPECT_NE(ErrorOf(ResponseTo("12A", 12)).find("短すぎます"), std::string::npos);
    Write("VelKCode.dat", "12A,101,102\r\n");
    EXPECT_NE(ErrorOf(ReplyCodesOf("12A")).find("十個"), std::string::npos);
    std::remove("VelKaiwa.dat");
    EXPECT_NE(ErrorOf(ReplyCaption(101)).find("VelKaiwa.dat が見つかりません"), std::string::npos);
    std::filesystem::create_directory("VelKaiwa.dat");  // there, but it cannot be read: not "not found"
    EXPECT_NE(ErrorOf(ReplyCaption(101)).find("VelKaiwa.dat が読めない"), std::string::npos);
    EXPECT_EQ(ReplyCaption(101).Failure().detail, "read VelKaiwa.dat: Is a directory");
}

TEST(ReplyDraw, FiveDifferentPositionsEachEquallyLikely)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::array<int, 11> seen{};
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        std::array<int, 5> five = DrawFivePositions([&] { return unit(random); });
        std::array<int, 5> sorted = five;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
        for (int position : five) {
            ASSERT_GE(position, 1);
            ASSERT_LE(position, 10);
            ++seen[position];
        }
    }
    for (int position = 1; position <= 10; ++position)
        EXPECT_NEAR(seen[position], draws / 2, draws / 40) << position;
}
