// Whole games on the Windows platform, played through the real screens by the scripted player
// from the logo to the program's end, in a copy of the game folder with settings of their own.
#include "core/HeroineNames.h"
#include "endings/ClearRecord.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "platform/SettingsFile.h"
#include "support/CurrentFolder.h"
#include "support/Player.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace Velmoor2;

namespace {

class WindowsWholeGame : public testing::Test {
protected:
    // The game of a death test's child is its parent's: the folder is named in the environment.
    void SetUp() override
    {
        game = fs::temp_directory_path() / "velmoor-windows-game";
        if (!std::getenv(SharedFolder)) {
            fs::remove_all(game);
            fs::copy(VEL_GAME_DIR, game, fs::copy_options::recursive);
            _putenv_s(SharedFolder, game.string().c_str());
        }
        Platform::OverrideSettingsDirectory("WindowsWholeGame");
        inGame = std::make_unique<CurrentFolder>(game.string());
    }
    void TearDown() override
    {
        inGame.reset();
        Platform::OverrideSettingsDirectory("");
        _putenv_s(SharedFolder, "");
        fs::remove_all(game);
    }
    static constexpr const char* SharedFolder = "VELMOOR_WINDOWS_GAME";
    static void Plays(const PlayPlan& plan) { Player(plan).Play(); }

    fs::path game;
    std::unique_ptr<CurrentFolder> inGame;
};

}  // namespace

TEST_F(WindowsWholeGame, AHeroineConfessesAndTheClearIsRecorded)
{
    const int girl = 3;
    EXPECT_EXIT(Plays({.name = "confession", .goal = girl, .albumGirl = 4}), testing::ExitedWithCode(0),
                "screen logo.*screen title.*screen start.*screen main.*screen album.*screen main.*"
                "text : 五時のチャイム.*text "
                    + HeroineName(girl) + ": .*screen staff roll.*roll page  \\| また　遊んでね。");
    EXPECT_EQ(RecordedOutcome(GetGameSetting(ClearRecordKey), girl), OutcomeConfession);
    EXPECT_FALSE(fs::exists(SaveFileName));
}

TEST_F(WindowsWholeGame, AGameSavedOnQuittingContinues)
{
    PlayPlan plan{.name = "saves", .goal = 3, .albumGirl = 4, .quitWithSaveAt = 12};
    EXPECT_EXIT(Plays(plan), testing::ExitedWithCode(0), "screen main.*message box 51");
    ASSERT_TRUE(fs::exists(SaveFileName));
    plan.start = PlayPlan::Start::Continue;
    plan.quitWithSaveAt = 0;
    EXPECT_EXIT(Plays(plan), testing::ExitedWithCode(0), "screen start.*screen main.*screen staff roll");
    EXPECT_FALSE(fs::exists(SaveFileName));
    EXPECT_EQ(RecordedOutcome(GetGameSetting(ClearRecordKey), 3), OutcomeConfession);
}
