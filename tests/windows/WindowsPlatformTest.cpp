// The Windows platform as the game relies on it: the registry settings and code page 932 (the
// save file's tests check the atomic writes, the real-time game the timers inside a wait).
#include "platform/Cp932.h"
#include "platform/SettingsFile.h"

#include <gtest/gtest.h>

using namespace Platform;

namespace {

// A registry branch of the test's own, removed at its end.
class RegistrySettings : public testing::Test {
protected:
    void SetUp() override { OverrideSettingsDirectory("RegistrySettings"); }
    void TearDown() override { OverrideSettingsDirectory(""); }
};

}  // namespace

TEST_F(RegistrySettings, KeepsValuesPerSectionWithNamesMatchedWithoutCase)
{
    EXPECT_EQ(GetSetting("Corvane", "Velmoor2", "Clear"), "") << "nothing stored yet";
    ASSERT_TRUE(SaveSetting("Corvane", "Velmoor2", "Clear", "時任 玲奈 1,2,3").Ok());
    ASSERT_TRUE(SaveSetting("Corvane", "Display", "Scale", "2").Ok());
    EXPECT_EQ(GetSetting("corvane", "VELMOOR2", "clear"), "時任 玲奈 1,2,3");
    ASSERT_TRUE(SaveSetting("Corvane", "velmoor2", "CLEAR", "again").Ok()) << "replaces, whatever the case";
    EXPECT_EQ(GetSetting("Corvane", "Velmoor2", "Clear"), "again");

    // Erasing the game's records leaves the display's own section alone.
    ASSERT_TRUE(DeleteSettingSection("Corvane", "Velmoor2").Ok());
    EXPECT_EQ(GetSetting("Corvane", "Velmoor2", "Clear"), "");
    EXPECT_EQ(GetSetting("Corvane", "Display", "Scale"), "2");
    EXPECT_TRUE(DeleteSettingSection("Corvane", "Velmoor2").Ok()) << "a section already gone is fine";

    EXPECT_FALSE(SaveSetting("Corvane", "a\\b", "Key", "x").Ok()) << "a backslash would open another key";
    EXPECT_FALSE(SaveSetting("Corvane", "Velmoor2", "", "x").Ok());
    EXPECT_NE(SettingsFilePath("Corvane").find("HKEY_CURRENT_USER\\"), std::string::npos);
}

TEST(Cp932, ConvertsBothWaysAndRefusesWhatItCannotHold)
{
    const std::string japanese = "先輩、今日は何をするの？ ①Ⅱ～";
    const std::optional<std::string> bytes = Utf8ToCp932(japanese);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->substr(0, 4), "\x90\xe6\x94\x79");  // 先輩
    EXPECT_EQ(Cp932ToUtf8(*bytes), japanese);
    EXPECT_FALSE(Utf8ToCp932("한국어").has_value()) << "no look-alike and no question mark";
    EXPECT_FALSE(Cp932ToUtf8("\x81").has_value()) << "half a character";
    EXPECT_FALSE(Utf8ToCp932("\xff").has_value()) << "not UTF-8";
}
