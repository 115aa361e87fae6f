// Whole games from the logo to the program's end, played through the real screens on the real
// game directory: every ending, each mutual-love version, a saved and continued game, the data
// room's replays (its erase is the data room's own test). Each game runs in a child process,
// since every game ends the program; the files it leaves are checked afterwards.
#include "core/HeroineNames.h"
#include "persist/ClearRecord.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "platform/SettingsFile.h"
#include "support/CurrentFolder.h"
#include "support/Player.h"
#include "support/SharedScratch.h"
#ifndef _WIN32
#include "support/Unprivileged.h"
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace Velmoor2;

namespace {

// A copy of the game directory for one test: the game writes its save file there.
class WholeGame : public testing::Test {
protected:
    void SetUp() override
    {
        // Children of a test share its folders; each test starts with fresh ones.
        config = std::make_unique<SharedScratch>("VELMOOR_WHOLE_CONFIG", "velmoor-whole");
        game = std::make_unique<SharedScratch>("VELMOOR_WHOLE_DIR", "velmoor-game");
        if (game->Made())
            std::filesystem::copy(VEL_GAME_DIR, game->Path(), std::filesystem::copy_options::recursive);
        Platform::OverrideSettingsDirectory(config->Path());
        inGame = std::make_unique<CurrentFolder>(game->Path());
    }
    void TearDown() override
    {
        inGame.reset();
        WriteReviewPage();
        game.reset();
        Platform::OverrideSettingsDirectory("");
        config.reset();
    }

    // One page with every picture the players kept, in the order they saw them.
    static void WriteReviewPage()
    {
        const char* folder = std::getenv("VELMOOR_SHOTS");
        if (!folder)
            return;
        std::vector<std::string> shots;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".png")
                shots.push_back(entry.path().filename().string());
        std::sort(shots.begin(), shots.end());
        std::ofstream page(std::string(folder) + "/index.html");
        page << "<!doctype html><meta charset=utf-8><title>Velmoor Episode2 review</title><body>\n";
        for (const std::string& shot : shots)
            page << "<figure style='display:inline-block'><img src='" << shot << "'><figcaption>" << shot
                 << "</figcaption></figure>\n";
    }

    static void Plays(const PlayPlan& plan) { Player(plan).Play(); }
    static std::string Record() { return GetGameSetting(ClearRecordKey); }

    std::unique_ptr<SharedScratch> config;
    std::unique_ptr<SharedScratch> game;
    std::unique_ptr<CurrentFolder> inGame;
};

PlayPlan ConfessionOf(int girl)
{
    return {.name = "confession " + std::to_string(girl), .goal = girl, .albumGirl = girl % 6 + 1};
}

PlayPlan MutualLoveWith(int girl)
{
    return {.name = "mutual " + std::to_string(girl), .goal = girl, .albumGirl = girl};
}

constexpr const char* ScreensOfANewGame = "screen logo.*screen title.*screen start.*screen main.*screen album.*"
                                          "screen main.*screen staff roll";

// What a new game shows up to its end: the screens in order, the gate closing, the girl who
// came after him speaking, and the staff roll's farewell on its last page.
std::string ANewGameEndingWith(int girl)
{
    return "screen logo.*screen title.*screen start.*screen main.*screen album.*screen main.*"
           "text : 五時のチャイム.*text "
        + HeroineName(girl) + ": .*screen staff roll.*roll page  \\| また　遊んでね。";
}

}  // namespace

TEST_F(WholeGame, EachHeroineConfessesToAPlayerWhoPickedAnother)
{
    for (int girl : Classmates) {
        EXPECT_EXIT(Plays(ConfessionOf(girl)), testing::ExitedWithCode(0), ANewGameEndingWith(girl)) << girl;
        EXPECT_EQ(RecordedClears(Record(), girl), ConfessionClear) << girl << " " << Record();
        EXPECT_FALSE(std::filesystem::exists(SaveFileName));
    }
}

TEST_F(WholeGame, EachHeroinePickedInTheAlbumEndsInMutualLove)
{
    for (int girl : Classmates) {
        EXPECT_EXIT(Plays(MutualLoveWith(girl)), testing::ExitedWithCode(0), ANewGameEndingWith(girl)) << girl;
        EXPECT_EQ(RecordedClears(Record(), girl), MutualLoveClear) << girl;
    }
}

TEST_F(WholeGame, MeetingNobodyEndsWithTheJuniorAndLukewarmAffectionWithTheOtherGirl)
{
    EXPECT_EXIT(Plays({.name = "nobody", .goal = 0, .albumGirl = 1}), testing::ExitedWithCode(0),
                ANewGameEndingWith(7));
    EXPECT_EQ(RecordedClears(Record(), 7), ConfessionClear) << Record();
    EXPECT_EXIT(Plays({.name = "lukewarm", .goal = 2, .albumGirl = 1, .aimForThreeOrFour = true}),
                testing::ExitedWithCode(0), ANewGameEndingWith(8));
    EXPECT_EQ(RecordedClears(Record(), 8), ConfessionClear) << Record();
}

TEST_F(WholeGame, AGameQuitWithSavingContinuesWhereItStopped)
{
    PlayPlan plan = ConfessionOf(3);
    plan.quitWithSaveAt = 12;
    EXPECT_EXIT(Plays(plan), testing::ExitedWithCode(0), "screen main.*message box 51");
    ASSERT_TRUE(std::filesystem::exists(SaveFileName));
    EXPECT_EQ(Record(), "");
    plan.start = PlayPlan::Start::Continue;
    plan.quitWithSaveAt = 0;
    EXPECT_EXIT(Plays(plan), testing::ExitedWithCode(0), "screen start.*screen main.*screen staff roll");
    EXPECT_FALSE(std::filesystem::exists(SaveFileName));
    EXPECT_EQ(RecordedClears(Record(), 3), ConfessionClear);
}

TEST_F(WholeGame, TheDataRoomReplaysAnEndingOnceAllAreClearedAndRecordsNothing)
{
    const std::string allCleared = "修1康2和1潤1智1裕1進1道1";
    ASSERT_TRUE(SaveGameSetting(ClearRecordKey, allCleared));
    ASSERT_TRUE(SaveGameSetting(MyoujiKey, "高瀬"));
    const PlayPlan replay{.name = "replay",
                          .start = PlayPlan::Start::DataRoomReplay,
                          .replayRow = 1,
                          .replayKeys = Platform::ShiftKey | Platform::CtrlKey | Platform::AltKey};
    EXPECT_EXIT(Plays(replay), testing::ExitedWithCode(0),
                "screen start.*screen data room.*screen main.*screen staff roll");
    EXPECT_EQ(Record(), allCleared) << "a replay records nothing";
    PlayPlan juniorReplay = replay;  // heroine 7, the junior, in the mutual-love version no game reaches
    juniorReplay.replayRow = 6;
    EXPECT_EXIT(Plays(juniorReplay), testing::ExitedWithCode(0), "screen data room.*screen staff roll");
    EXPECT_EQ(Record(), allCleared) << "nor does the replay of the junior's ending";
}

TEST_F(WholeGame, AGameWithoutSoundAndWithADamagedSettingsFileStillPlaysToItsEnd)
{
    const std::string folder = config->Path() + "/Corvane";
    std::filesystem::create_directories(folder);
    const char damaged[] = "[Velmoor2\nCString=\xff\xfe\x00\x01\n=\n[\nSavedMyouji";  // NUL inside
    std::ofstream(folder + "/Corvane.ini", std::ios::binary) << std::string(damaged, sizeof damaged - 1);
    auto silentGame = [] {
        ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
        Plays(ConfessionOf(1));
    };
    EXPECT_EXIT(silentGame(), testing::ExitedWithCode(0), ScreensOfANewGame);
    EXPECT_EQ(RecordedClears(Record(), 1), ConfessionClear) << Record();
    EXPECT_FALSE(std::filesystem::exists(SaveFileName));
}

#ifndef _WIN32  // Windows folders have no modes that hold back a writer
// The game directory cannot be written and no soundfont is found: the quit's save is refused
// with a message, the game stays open, and the game still plays to its ending and records it.
// Run as root, the game gives up its privileges first, or the folder's modes would not count.
TEST_F(WholeGame, AGameInAReadOnlyFolderWithoutASoundfontRefusesToSaveAndPlaysOn)
{
    namespace fs = std::filesystem;
    const fs::path gameFolder = fs::current_path();
    const fs::path configFolder = config->Path();
    fs::permissions(gameFolder, ReadOnlyForAll);
    fs::permissions(configFolder, fs::perms::all);
    auto readOnlyGame = [] {
        if (!BecomeUnprivilegedUser())
            std::_Exit(6);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::setenv("SDL_SOUNDFONTS", "/nonexistent/no-such-font.sf2", 1);
        PlayPlan plan = ConfessionOf(2);
        plan.quitWithSaveAt = 10;
        Plays(plan);
    };
    EXPECT_EXIT(readOnlyGame(), testing::ExitedWithCode(0),
                "message box 51.*message box 48: データをセーブできませんでした.*screen staff roll");
    EXPECT_FALSE(fs::exists(SaveFileName));
    EXPECT_EQ(RecordedClears(Record(), 2), ConfessionClear) << Record();
    fs::permissions(gameFolder, fs::perms::owner_all, fs::perm_options::add);
}
#endif
