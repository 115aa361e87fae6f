#include "persist/SaveFileFormat.h"

#include <gtest/gtest.h>

using namespace Velmoor2;

namespace {

// The game saved at 4:42 PM: affection 3, 0, 5, -2, 4, 1, heroines 1 and 4 met, heroine 4
// picked in the album, the player at the pool.
SavedGame PoolAtFourFortyTwo()
{
    SavedGame game;
    game.myouji = "山田";
    game.namae = "太郎";
    game.gameMinute = 12;
    game.love = {0, 3, 0, 5, -2, 4, 1};
    game.metFlag = {0, 1, 0, 0, 1, 0, 0};
    game.targetGirl = 4;
    game.currentPlace = 5;
    return game;
}

const std::string PoolAtFourFortyTwoBytes = "\x8e\x52\x93\x63\r\n"  // 山田
                                            "\x91\xbe\x98\x59\r\n"  // 太郎
                                            " 12 \r\n"
                                            "K\r\nH\r\nM\r\nF\r\nL\r\nI\r\n"
                                            " 1 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"
                                            " 4 \r\n"
                                            " 5 \r\n";

SavedGame RoundTrip(const SavedGame& game)
{
    const std::optional<std::string> bytes = EncodeSaveFile(game);
    EXPECT_TRUE(bytes.has_value());
    const ParsedSaveFile parsed = ParseSaveFile(bytes.value_or(""));
    EXPECT_EQ(parsed.defect, SaveFileDefect::None) << parsed.detail;
    return parsed.game;
}

SavedGame WithLove(Integer value)
{
    SavedGame game = PoolAtFourFortyTwo();
    game.love[3] = value;
    return game;
}

// Line n of the encoded file (1-based), without its line end.
std::string LineOf(const std::string& bytes, int n)
{
    size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

std::string WithLine(const std::string& bytes, int n, const std::string& replacement)
{
    size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = bytes.find("\r\n", start) + 2;
    const size_t end = bytes.find("\r\n", start);
    return bytes.substr(0, start) + replacement + bytes.substr(end);
}

}  // namespace

TEST(SaveFileBytes, KnownSaveHasExactlyTheseBytesAndReadsBack)
{
    EXPECT_EQ(EncodeSaveFile(PoolAtFourFortyTwo()), PoolAtFourFortyTwoBytes);
    const ParsedSaveFile parsed = ParseSaveFile(PoolAtFourFortyTwoBytes);
    ASSERT_EQ(parsed.defect, SaveFileDefect::None) << parsed.detail;
    EXPECT_EQ(parsed.game, PoolAtFourFortyTwo());
}

// Listed values are a letter; the others integers with a blank before unless negative and one after.
TEST(SaveFileBytes, AffectionIsALetterOrAnInteger)
{
    const std::pair<Integer, std::string> lines[] = {
        {0, "H"},      {1, "I"},      {4, "L"},       {10, "R"},          {-1, "G"},
        {-5, "C"},     {-39, "!"},    {54, "~"},      {-27, "-"},         {89, "\xa1"},
        {151, "\xdf"}, {-38, "-38 "}, {-28, "-28 "},  {-40, "-40 "},      {-72, "-72 "},
        {55, " 55 "},  {88, " 88 "},  {152, " 152 "}, {32767, " 32767 "}, {-32768, "-32768 "}};
    for (const auto& [value, line] : lines)
        EXPECT_EQ(LineOf(*EncodeSaveFile(WithLove(value)), 6), line) << value;
}

TEST(SaveFileRoundTrip, EveryAffectionValueComesBack)
{
    for (int value = -32768; value <= 32767; value += (value > -200 && value < 300) ? 1 : 97)
        EXPECT_EQ(RoundTrip(WithLove(static_cast<Integer>(value))).love[3], value);
    EXPECT_EQ(RoundTrip(WithLove(32767)).love[3], 32767);
}

TEST(SaveFileRoundTrip, AwkwardNamesComeBackUnchangedAndThoseThatCannotBeALineAreRefused)
{
    const std::string names[] = {"",   " 山田",       "山田 ",      "  ",  "\"太郎\"", "\"",    "山,田",
                                 ",",  "Smith, John", "田中　一郎", "ﾀﾛｳ", "O'Brien",  "～ー―", "a\tb",
                                 "\\", "=x",          "H",          "-1",  " 12 "};
    for (const std::string& name : names) {
        SavedGame game = PoolAtFourFortyTwo();
        game.myouji = name;
        game.namae = name + name;
        EXPECT_EQ(RoundTrip(game), game) << "[" << name << "]";
    }
    for (const std::string name : {"山\n田", "山\r田", "\r", "\xf0\x9f\x98\x80" /* an emoji */, "a\xff"}) {
        SavedGame game = PoolAtFourFortyTwo();
        game.namae = name;
        EXPECT_FALSE(EncodeSaveFile(game).has_value()) << "refused: " << name;
    }
    SavedGame game = PoolAtFourFortyTwo();
    game.namae = "太郎\xe3\x80\x9c";  // the wave dash U+301C
    EXPECT_EQ(RoundTrip(game).namae, "太郎～") << "a look-alike comes back as the code page has it";
}

TEST(SaveFileReading, BareLineFeedsTrailingLinesAndNumbersAreReadLikeEveryNumberOfTheGame)
{
    std::string unix = PoolAtFourFortyTwoBytes;
    for (size_t at; (at = unix.find("\r\n")) != std::string::npos;)
        unix.erase(at, 1);
    EXPECT_EQ(ParseSaveFile(unix).game, PoolAtFourFortyTwo());
    EXPECT_EQ(ParseSaveFile(PoolAtFourFortyTwoBytes + "extra\r\nlines").game, PoolAtFourFortyTwo());
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 3, "17")).game.gameMinute, 17);
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 3, "   +8x")).game.gameMinute, 8);
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 3, "abc")).game.gameMinute, 0);
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 10, "")).game.metFlag[1], 0);
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 4, "K  ")).game.love[1], 3);
    EXPECT_EQ(ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, 4, "\"")).game.love[1], -38);
}

TEST(SaveFileReading, ValuesThePlayCannotReachAreDamageAndACutOffFileIsShort)
{
    const std::pair<int, std::string> broken[] = {{1, "\x81"},    {2, "\x82\x0d"},
                                                  {2, "a\rb"},    {3, "-1 "},
                                                  {3, " 32768 "}, {3, " 32767 "},
                                                  {3, " 1441 "},  {4, ""},
                                                  {4, " "},       {4, "KK"},
                                                  {4, "\x81"},    {4, "\x80"},
                                                  {4, " 12x "},   {4, " 99999 "},
                                                  {10, " 2 "},    {15, "-1 "},
                                                  {16, " 0 "},    {16, " 7 "},
                                                  {16, "x"},      {17, " 0 "},
                                                  {17, " 8 "},    {17, "999999999999999999999"}};
    for (const auto& [line, text] : broken) {
        const ParsedSaveFile parsed = ParseSaveFile(WithLine(PoolAtFourFortyTwoBytes, line, text));
        EXPECT_EQ(parsed.defect, SaveFileDefect::Damaged) << line << " [" << text << "]";
        EXPECT_NE(parsed.detail.find("line " + std::to_string(line)), std::string::npos) << parsed.detail;
        EXPECT_EQ(parsed.game, SavedGame{}) << "nothing is half loaded";
    }
    for (size_t length = 0; length < PoolAtFourFortyTwoBytes.size(); ++length) {
        const ParsedSaveFile parsed = ParseSaveFile(PoolAtFourFortyTwoBytes.substr(0, length));
        EXPECT_EQ(parsed.defect, SaveFileDefect::Short) << "cut off at " << length;
        EXPECT_EQ(parsed.game, SavedGame{}) << length;
    }
}
