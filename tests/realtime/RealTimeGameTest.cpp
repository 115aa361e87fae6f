// Games played through the real program's timers and real X input, with time compressed: the
// clock runs under a phone call left waiting, a girl left unanswered at 5:00 PM cannot pull the
// player back into play, the title's pointer and fade behave, and the system can end the game.
#include "persist/SaveFile.h"
#include "platform/Input.h"
#include "realtime/RealTimePlayer.h"
#include "scene/Scenes.h"
#include "support/SharedScratch.h"
#include "talk/VelSerif.h"

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace Velmoor2;
namespace fs = std::filesystem;

namespace {

// Each game runs in a child process in the game directory, with its own settings folder that
// the test removes again.
class RealTimeGame : public testing::Test {
protected:
    void SetUp() override
    {
        config_ = std::make_unique<SharedScratch>("VELMOOR_REALTIME_CONFIG", "velmoor-realtime");
        ::setenv("XDG_CONFIG_HOME", config_->Path().c_str(), 1);
        ASSERT_EQ(::chdir(VEL_GAME_DIR), 0);
    }
    void TearDown() override { config_.reset(); }
    const std::string& Config() const { return config_->Path(); }

private:
    std::unique_ptr<SharedScratch> config_;
};

// Every file of a folder with its size and time of change.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> Snapshot(const std::string& folder)
{
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    return files;
}

}  // namespace

TEST_F(RealTimeGame, TheClockRunsOnWhileAPhoneCallWaitsForThePlayer)
{
    EXPECT_EXIT(
        {
            RealTimePlayer player;
            int callFrom = -1;
            int callEnded = -1;
            player.inPlay = [&](VelMain& main) {
                const bool waitsForClick = !main.Label3.Caption().empty();
                if (GamePhase == OnThePhone) {
                    if (callFrom < 0)
                        callFrom = GameMinute;
                    RealTimePlayer::Expect(main.lblClock.Caption() == ClockText(GameMinute), "clock shows the minute");
                    if (GameMinute < callFrom + 4)
                        return;  // he lets the phone wait while the minutes go by
                } else if (callFrom >= 0 && callEnded < 0) {
                    callEnded = GameMinute;
                }
                if (waitsForClick)
                    player.x.Click(main.Image1);
                else if (GamePhase == FreeAtPlace && callFrom < 0 && CurrentPlace == 3)
                    player.x.Click(*main.Command1[0]);  // three minutes to 校舎Ａ: the friend calls
                else if (CurrentPlace == 1 && GamePhase != Walking) {
                    RealTimePlayer::Expect(callFrom == 2, "the call came two minutes before arriving");
                    RealTimePlayer::Expect(callEnded >= callFrom + 4, "the clock ran on during the call");
                    RealTimePlayer::Expect(GameMinute == callEnded + 1, "he arrives at the first tick after the call");
                    RealTimePlayer::Pass("the clock ran from minute " + std::to_string(callFrom) + " to "
                                         + std::to_string(callEnded) + " during the call");
                }
            };
            player.Play();
        },
        testing::ExitedWithCode(0), "the clock ran from minute 2 to");
}

TEST_F(RealTimeGame, AGirlLeftUnansweredAtFiveCannotTakeThePlayerBackIntoPlay)
{
    EXPECT_EXIT(
        {
            RealTimePlayer player;
            Integer loveAtTheGate = 0;
            Platform::ScreenPoint firstReply;
            int tries = 0;
            player.inPlay = [&](VelMain& main) {
                if (GamePhase == ClosingTimePhase) {
                    if (tries == 0) {
                        RealTimePlayer::Expect(!TheReplyDialog.IsLoaded(), "the reply window went with the gate");
                        loveAtTheGate = Love[1];
                    }
                    // Every way back into play, tried once each through the real input.
                    switch (tries++) {
                    case 0: player.x.Click(firstReply); return;
                    case 1: player.x.Click(main.KaKushiDummy, 3, Platform::ShiftKey | Platform::CtrlKey); return;
                    case 2: player.x.Click(*main.Command1[0]); return;
                    case 3: main.Form.SimulateCloseBox(); return;
                    default: break;
                    }
                    RealTimePlayer::Expect(firstReply.x != 0, "呉羽 waited for an answer at the gate");
                    RealTimePlayer::Expect(GameMinute == 30 && GamePhase == ClosingTimePhase && Love[1] == loveAtTheGate
                                               && main.lblClock.Caption().empty() && !TheReplyDialog.IsLoaded(),
                                           "the ending stays the ending");
                    RealTimePlayer::Expect(player.messages.size() == 1
                                               && player.messages[0] == "ここではゲームの中断はできません",
                                           "the close box is refused");
                    if (!main.Label3.Caption().empty())
                        player.x.Click(main.Image1);
                    return;
                }
                if (!main.Label3.Caption().empty()) {
                    player.x.Click(main.Image1);
                } else if (GameMinute >= 26 && TheReplyDialog.IsLoaded()) {
                    firstReply = TheReplyDialog.Get().Command1[0]->ScreenCentre();  // he does not answer
                } else if (GamePhase == FreeAtPlace && CurrentPlace == 3) {
                    player.x.Click(*main.Command1[6]);  // to the nature garden
                } else if (GamePhase == FreeAtPlace && CurrentPlace == 7 && GameMinute >= 25) {
                    player.x.Click(*main.Command1[4]);  // to the pool, where 呉羽 waits from 4:56
                } else if (GameMinute < 25 && GamePhase != Walking) {
                    player.x.Click(main.KaKushiDummy, 3, Platform::ShiftKey | Platform::CtrlKey);
                }
            };
            player.Play();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_FALSE(fs::exists(SaveFileName));
}

TEST_F(RealTimeGame, TheSystemEndsTheGameAtOnceAndNothingIsWritten)
{
    const std::string pidFile = Config() + "/game.pid";
    std::atomic<bool> killed{false};
    std::atomic<bool> reaped{false};
    std::chrono::steady_clock::time_point killedAt;
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> before;
    // The system's side: once the game says it is in play, it is sent SIGTERM.
    std::thread system([&] {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(5);
        while (!fs::exists(pidFile) && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pid_t pid = 0;
        std::ifstream(pidFile) >> pid;
        if (pid <= 0)
            return;
        before = Snapshot(Config());
        before.merge(Snapshot(VEL_GAME_DIR));
        killedAt = std::chrono::steady_clock::now();
        killed = true;
        ::kill(pid, SIGTERM);
        // A game that ignores the system is ended the hard way, and the test sees that.
        const auto hardWay = std::chrono::steady_clock::now() + std::chrono::seconds(40);
        while (!reaped && std::chrono::steady_clock::now() < hardWay)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!reaped)
            ::kill(pid, SIGKILL);
    });
    EXPECT_EXIT(
        {
            RealTimePlayer player;
            player.inPlay = [&](VelMain&) {
                if (GameMinute >= 2 && !fs::exists(pidFile)) {
                    std::ofstream tmp(pidFile + ".new");
                    tmp << ::getpid();
                    tmp.close();
                    fs::rename(pidFile + ".new", pidFile);
                }
            };
            player.Play();
        },
        testing::KilledBySignal(SIGTERM), "");
    const auto ended = std::chrono::steady_clock::now();
    reaped = true;
    system.join();
    ASSERT_TRUE(killed);
    // Measured on the game's own clock, which runs twenty times faster: a second is 20000 ms.
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(ended - killedAt).count(), 20000);
    auto after = Snapshot(Config());
    after.merge(Snapshot(VEL_GAME_DIR));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists(SaveFileName));
}
