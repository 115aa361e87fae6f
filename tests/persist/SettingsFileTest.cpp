#include "platform/SettingsFile.h"

#include "persist/DisplaySetting.h"
#include "persist/GameSettings.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

using namespace Platform;
using namespace std::string_literals;
using namespace Velmoor2;
namespace fs = std::filesystem;

namespace {

// Every test has a configuration folder of its own.
class Settings : public testing::Test {
protected:
    void SetUp() override { OverrideSettingsDirectory(scratch.Path()); }
    void TearDown() override { OverrideSettingsDirectory(""); }
    std::string FileText() const
    {
        std::ifstream in(SettingsFilePath("Corvane"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void PutFile(const std::string& text) const
    {
        fs::create_directories(folder / "Corvane");
        std::ofstream(folder / "Corvane" / "Corvane.ini", std::ios::binary) << text;
    }

    ScratchFolder scratch;
    fs::path folder = scratch.Path();
};

const char* const FullClearRecord = "和3智1修2康1潤3裕1進2道1";

}  // namespace

TEST_F(Settings, SavedValuesComeBackFromAReadableIniInTheConfigFolder)
{
    EXPECT_EQ(GetGameSetting(MyoujiKey), "") << "first run";
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "") << "first run";
    EXPECT_FALSE(fs::exists(SettingsFilePath("Corvane"))) << "reading creates nothing";
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "山田"));
    ASSERT_TRUE(SaveGameSetting(NamaeKey, "太郎"));
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "鈴木"));
    EXPECT_EQ(GetGameSetting(MyoujiKey), "鈴木") << "saving again replaces";
    EXPECT_EQ(GetGameSetting(NamaeKey), "太郎") << "other keys are kept";
    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, FullClearRecord));
    EXPECT_EQ(GetGameSetting(ClearRecordKey), FullClearRecord) << "marker characters byte for byte";
    EXPECT_EQ(SettingsFilePath("Corvane"), (folder / "Corvane" / "Corvane.ini").string());
    EXPECT_EQ(FileText(), "[Velmoor2]\nSavedMyouji=鈴木\nSavedNamae=太郎\nCString="s + FullClearRecord + "\n");
}

// A player's hand-edited file, kept by a dotfile manager as a link into a folder of dotfiles
// and saved by a Windows editor (byte order mark, CRLF): the game's writes in a whole game and
// the data room's erase change the game's own lines and nothing else.
TEST_F(Settings, WhatThePlayerWroteOutlivesTheGamesWritesByteForByte)
{
    const std::string bom = "\xEF\xBB\xBF", top = "[Display]\r\nScale=3 \r\n; wide screen\r\n\r\n";
    const std::string bottom = "# below\r\n[Other]\r\nKey=kept\r\nno equals line\r\n";
    fs::create_directories(folder / "dotfiles");
    fs::create_directories(folder / "Corvane");
    std::ofstream(folder / "dotfiles" / "Corvane.ini", std::ios::binary)
        << bom + top + "[Velmoor2]\r\nNote=mine\r\n" + bottom;
    fs::create_symlink("../dotfiles/Corvane.ini", folder / "Corvane" / "Corvane.ini");
    EXPECT_EQ(PlayersWindowScale(), 3) << "read after a byte order mark";

    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "山田"));
    ASSERT_TRUE(SaveGameSetting(NamaeKey, "太郎"));
    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, "和3"));
    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, "和3智1"));
    EXPECT_TRUE(fs::is_symlink(folder / "Corvane" / "Corvane.ini")) << "the link stays a link";
    EXPECT_EQ(FileText(),
              bom + top + "[Velmoor2]\r\nNote=mine\r\nSavedMyouji=山田\r\nSavedNamae=太郎\r\nCString=和3智1\r\n"
                  + bottom);
    ASSERT_TRUE(EraseGameSettings());
    EXPECT_EQ(FileText(), bom + top + bottom) << "the erase takes the section with its keys";
    EXPECT_EQ(PlayersWindowScale(), 3);
    EXPECT_EQ(fs::read_symlink(folder / "Corvane" / "Corvane.ini"), "../dotfiles/Corvane.ini");
}

TEST_F(Settings, NamesMatchWithoutRegardToCaseAndUnusableOnesAreRefused)
{
    fs::create_directories(folder / "corvane");
    std::ofstream(folder / "corvane" / "CORVANE.INI") << "[velmoor2]\ncstring=修1\n";
    EXPECT_EQ(GetGameSetting("CString"), "修1") << "folder, file, section and key in another case";
    ASSERT_TRUE(SaveSetting("CORVANE", "VELMOOR2", "CSTRING", "和3智3"));
    EXPECT_EQ(GetGameSetting("Cstring"), "和3智3");
    EXPECT_FALSE(fs::exists(folder / "Corvane")) << "the folder there is used";
    std::ifstream in(folder / "corvane" / "CORVANE.INI");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[velmoor2]\ncstring=和3智3\n")
        << "one key, spelt as first saved";

    EXPECT_FALSE(SaveSetting("Corvane", "Velmoor2", "", "x"));
    EXPECT_FALSE(SaveSetting("Corvane", "Velmoor2", "a=b", "x"));
    EXPECT_FALSE(SaveSetting("Corvane", "Velmoor2", " key", "x"));
    EXPECT_FALSE(SaveSetting("Corvane", "Velmoor2", "line\nbreak", "x"));
    EXPECT_FALSE(SaveSetting("Corvane", "[x]", "Key", "x"));
    EXPECT_FALSE(SaveSetting("../Corvane", "Velmoor2", "Key", "x"));
    EXPECT_FALSE(SaveSetting("..", "Velmoor2", "Key", "x"));
    EXPECT_EQ(SettingsFilePath("a/b"), "");
}

TEST_F(Settings, AnyValueIsKeptUnchanged)
{
    const std::string values[] = {"",
                                  " 山田 ",
                                  "a=b=c",
                                  "[Velmoor2]",
                                  "x\ny\r\nz",
                                  "\\n",
                                  "\\",
                                  "end\\",
                                  std::string("nul\0byte", 8),
                                  "; not a comment",
                                  "\"quoted\"",
                                  std::string(5000, 'x'),
                                  "\t",
                                  "\xff\xfe broken UTF-8"};
    for (const std::string& value : values) {
        ASSERT_TRUE(SaveGameSetting(NamaeKey, value));
        EXPECT_EQ(GetGameSetting(NamaeKey), value);
    }
    EXPECT_EQ(GetGameSetting(MyoujiKey), "") << "no value spills into another key";
}

TEST_F(Settings, AHandDamagedFileGivesWhatIsReadableAndIsNotRewrittenByReading)
{
    const std::string damaged = "garbage line\n[Velmoor2\nSavedMyouji=lost under a broken header\n\xff\xfe\x00\x01\n"
                                "[ Velmoor2 ]\r\n  SavedNamae = 太郎\r\nCString=和3\nEscapes=a\\qb\\\n"
                                "CString=ignored second\n[\n=\n[]\nno equals\n"s;
    PutFile(damaged);
    EXPECT_EQ(GetGameSetting(MyoujiKey), "");
    EXPECT_EQ(GetGameSetting(NamaeKey), " 太郎");
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "和3");
    EXPECT_EQ(GetGameSetting("Escapes"), "a\\qb\\") << "unknown escapes are kept as written";
    EXPECT_EQ(FileText(), damaged);

    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "山田")) << "the next real save writes it afresh";
    EXPECT_EQ(GetGameSetting(MyoujiKey), "山田");
    EXPECT_EQ(GetGameSetting(NamaeKey), " 太郎");
    EXPECT_EQ(GetGameSetting(ClearRecordKey), "和3");
}

TEST_F(Settings, MissingFoldersAreMadeAndUnusableOnesAreAReportedFailure)
{
    OverrideSettingsDirectory((folder / "a" / "b").string());
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "山田"));
    EXPECT_TRUE(fs::exists(folder / "a" / "b" / "Corvane" / "Corvane.ini"));

    fs::create_directories(folder / "dir" / "Corvane" / "Corvane.ini");  // a folder where the file should be
    OverrideSettingsDirectory((folder / "dir").string());
    EXPECT_EQ(GetGameSetting(MyoujiKey), "");
    EXPECT_FALSE(SaveGameSetting(MyoujiKey, "山田")) << "an unreadable file is never replaced";
    EXPECT_FALSE(EraseGameSettings());
    EXPECT_TRUE(fs::is_directory(folder / "dir" / "Corvane" / "Corvane.ini"));

    std::ofstream(folder / "Corvane") << "a file, not a folder";
    OverrideSettingsDirectory(folder.string());
    EXPECT_FALSE(SaveGameSetting(MyoujiKey, "山田")) << "a config folder that cannot be made";
    OverrideSettingsDirectory((folder / "Corvane" / "deeper").string());
    EXPECT_FALSE(SaveGameSetting(MyoujiKey, "山田"));
}

TEST(SettingsLocation, FollowsTheXdgConfigHomeThenHome)
{
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const std::optional<std::string> xdg = saved("XDG_CONFIG_HOME"), home = saved("HOME");
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(SettingsFilePath("Corvane"), "/somewhere/config/Corvane/Corvane.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(SettingsFilePath("Corvane"), "/home/player/.config/Corvane/Corvane.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath("Corvane"), "/home/player/.config/Corvane/Corvane.ini");
    OverrideSettingsDirectory("/tests/config");
    EXPECT_EQ(SettingsFilePath("Corvane"), "/tests/config/Corvane/Corvane.ini");
    OverrideSettingsDirectory("");
    xdg ? ::setenv("XDG_CONFIG_HOME", xdg->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    home ? ::setenv("HOME", home->c_str(), 1) : ::unsetenv("HOME");
}
