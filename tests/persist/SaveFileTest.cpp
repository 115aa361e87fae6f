#include "persist/SaveFile.h"

#include "persist/SaveFileFormat.h"
#include "platform/Cp932.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include "support/Unprivileged.h"
#endif

using namespace Velmoor2;
namespace fs = std::filesystem;

namespace {

// Each test runs in a folder of its own, as the game runs in its own folder.
class SaveFile : public testing::Test {
protected:
    static SavedGame Game(Integer minute)
    {
        SavedGame game;
        game.myouji = "呉,\"松\"";
        game.namae = " 太郎";
        game.gameMinute = minute;
        game.love = {0, 3, 0, 5, -2, 4, 1};
        game.metFlag = {0, 1, 0, 0, 1, 0, 0};
        game.targetGirl = 4;
        game.currentPlace = 5;
        return game;
    }
    static std::string Bytes(const char* name = SaveFileName)
    {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // What the player is told stands in a message box, which shows code page 932 text.
    static bool ForAMessageBox(const std::string& message)
    {
        return !message.empty() && Platform::Utf8ToCp932(message).has_value();
    }
    static void Put(const std::string& bytes) { std::ofstream(SaveFileName, std::ios::binary) << bytes; }

    ScratchFolder scratch;
    fs::path folder = scratch.Path();
};

}  // namespace

TEST_F(SaveFile, WrittenInTheCurrentFolderReadWithoutChangeAndDeleted)
{
    EXPECT_TRUE(DeleteSaveFile()) << "no save to delete is fine";
    ASSERT_TRUE(WriteSaveFile(Game(3)));
    ASSERT_TRUE(WriteSaveFile(Game(12)));
    EXPECT_EQ(Bytes((folder / "VEL2DATA.DAT").string().c_str()), EncodeSaveFile(Game(12))) << "saving again replaces";
    State = {};
    const auto loaded = ReadSaveFile();
    ASSERT_TRUE(loaded.Ok()) << loaded.Failure().detail;
    EXPECT_EQ(loaded.Get(), Game(12));
    EXPECT_TRUE(SaveFileExists()) << "reading changes nothing";
    EXPECT_EQ(CaptureGameState(), SavedGame{});
    EXPECT_TRUE(DeleteSaveFile());
    EXPECT_FALSE(SaveFileExists());
}

TEST_F(SaveFile, AQuitGameIsResumedOnceWithWhatItNeeds)
{
    const SavedGame saved = Game(12);
    State = {};
    PlayerMyouji = saved.myouji;
    PlayerNamae = saved.namae;
    GameMinute = saved.gameMinute;
    Love = saved.love;
    MetFlag = saved.metFlag;
    Love[0] = MetFlag[0] = 9;  // slots no heroine has are not kept
    TargetGirl = saved.targetGirl;
    CurrentPlace = saved.currentPlace;
    TalkKey = "72A";
    ASSERT_TRUE(WriteSaveFile(CaptureGameState()));
    State = {};
    const auto loaded = ContinueSavedGame();
    ASSERT_TRUE(loaded.Ok()) << loaded.Failure().detail;
    EXPECT_EQ(CaptureGameState(), saved);
    EXPECT_EQ(PlayerMyouji, "呉,\"松\"");
    EXPECT_EQ(Love[4], -2);
    EXPECT_FALSE(SaveFileExists());

    const auto again = ContinueSavedGame();
    ASSERT_FALSE(again.Ok()) << "a save is resumed once only";
    EXPECT_NE(again.Failure().message.find("見つかりません"), std::string::npos);
    EXPECT_TRUE(ForAMessageBox(again.Failure().message));
}

TEST_F(SaveFile, ACutOffOrDamagedSaveIsRefusedAndKept)
{
    const std::string whole = *EncodeSaveFile(Game(12));
    std::string damaged = whole;
    damaged.replace(damaged.rfind(" 5 "), 3, " 9 ");  // a place the school does not have
    const std::pair<std::string, const char*> cases[] = {{"", "途中で切れて"},
                                                         {whole.substr(0, 40), "途中で切れて"},
                                                         {whole.substr(0, whole.size() - 1), "途中で切れて"},
                                                         {damaged, "壊れて"}};
    for (const auto& [bytes, message] : cases) {
        Put(bytes);
        State = {};
        const auto loaded = ContinueSavedGame();
        ASSERT_FALSE(loaded.Ok()) << bytes.size();
        EXPECT_NE(loaded.Failure().message.find(message), std::string::npos) << bytes.size();
        EXPECT_TRUE(ForAMessageBox(loaded.Failure().message));
        EXPECT_EQ(Bytes(), bytes) << "the file stays as it was";
        EXPECT_EQ(CaptureGameState(), SavedGame{}) << "nothing is half loaded";
    }
    EXPECT_NE(ReadSaveFile().Failure().detail.find("line 17"), std::string::npos) << "where it is damaged";
    fs::remove(SaveFileName);
    fs::create_directory(SaveFileName);
    EXPECT_NE(ContinueSavedGame().Failure().message.find("読み込めません"), std::string::npos) << "unreadable";
    EXPECT_TRUE(fs::is_directory(SaveFileName));
}

TEST_F(SaveFile, AFailedWriteIsReportedAndKeepsTheEarlierSave)
{
    ASSERT_TRUE(WriteSaveFile(Game(3)));
    SavedGame game = Game(12);
    game.namae = "\xf0\x9f\x98\x80";  // an emoji
    const auto unstorable = WriteSaveFile(game);
    ASSERT_FALSE(unstorable.Ok()) << "a name the file cannot hold";
    EXPECT_TRUE(ForAMessageBox(unstorable.Failure().message));
    EXPECT_EQ(ReadSaveFile().Get(), Game(3)) << "the earlier save is untouched";

    ASSERT_TRUE(DeleteSaveFile());
    fs::create_directory(SaveFileName);  // nothing can be renamed over a folder
    const auto result = WriteSaveFile(Game(12));
    ASSERT_FALSE(result.Ok());
    EXPECT_NE(result.Failure().message.find("セーブできませんでした"), std::string::npos);
    EXPECT_FALSE(result.Failure().detail.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "no temporary file is left";
}

#ifndef _WIN32  // folder modes against a writer are the Linux build's own
TEST_F(SaveFile, AReadOnlyFolderIsAReportedFailure)
{
    ASSERT_TRUE(WriteSaveFile(Game(3)));
    fs::permissions(folder, ReadOnlyForAll);
    EXPECT_TRUE(PassesAsUnprivilegedUser([&] {
        const auto result = WriteSaveFile(Game(12));
        ASSERT_FALSE(result.Ok());
        EXPECT_FALSE(result.Failure().message.empty());
        EXPECT_EQ(ReadSaveFile().Get(), Game(3));
        const auto continued = ContinueSavedGame();
        EXPECT_NE(continued.Failure().message.find("消せない"), std::string::npos)
            << "a save that cannot be deleted is not resumed";
    }));
}
#endif
