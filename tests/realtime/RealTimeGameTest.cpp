// Games played through the real program's timers and real X input, with time compressed: the
// clock runs under a phone call left waiting, a girl left unanswered at 5:00 PM cannot pull the
// player back into play, the title's pointer and fade behave, the system can end the game, and
// on a real desktop the windows land where designed and stay with the main screen.
#include "persist/SaveFile.h"
#include "platform/Input.h"
#include "realtime/RealTimePlayer.h"
#include "realtime/XDesktop.h"
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

#ifndef _WIN32  // the system's signals and the X desktop are the Linux build's own
// Every file of a folder with its size and time of change.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> Snapshot(const std::string& folder)
{
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    return files;
}
#endif

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

#ifndef _WIN32  // the system's signals and the X desktop are the Linux build's own
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

// Under a window manager (CTest runs the games under openbox): the logo centred, the main
// screen lifted; the reply window opens centred under the main screen where the player has
// moved it, belongs to it, stays above it when the main screen is clicked and takes the
// keyboard, which a click on the window keeps on its reply; the quit box opens over the main
// screen.
TEST_F(RealTimeGame, TheWindowsStayWithTheMainScreen)
{
    EXPECT_EXIT(
        {
            RealTimePlayer player;
            player.realMessageBoxes = true;
            XDesktop desktop;
            const auto pixels = [](int twips) { return twips * Platform::WindowScale() / 15; };
            const auto near = [](int a, int b, int by) { return a >= b - by && a <= b + by; };
            bool logoSeen = false;
            int step = 0;
            int waitedForTheMove = 0;
            int waitedForTheKey = 0;
            XDesktop::Shown movedTo;
            player.onLogo = [&](Demoform& logo) {
                const auto shown = desktop.Find(logo.Form.Caption());
                RealTimePlayer::Expect(shown.has_value(), "the logo is an X window");
                RealTimePlayer::Expect(near(shown->CentreX(), desktop.ScreenWidth() / 2, 1)
                                           && near(shown->CentreY(), desktop.ScreenHeight() / 2, 1),
                                       "the logo is centred");
                logoSeen = true;
            };
            player.inPlay = [&](VelMain& main) {
                const auto mainShown = desktop.Find(main.Form.Caption());
                RealTimePlayer::Expect(mainShown.has_value(), "the main screen is an X window");
                const XDesktop::Shown& m = *mainShown;
                if (!main.Label3.Caption().empty()) {
                    player.x.Click(main.Image1);
                } else if (step == 0) {
                    RealTimePlayer::Expect(logoSeen, "the logo was seen");
                    // Centred, frame and all, though it is placed before the window manager has
                    // framed it; lifted 1200 twips, and its title bar makes up the rest.
                    RealTimePlayer::Expect(near(m.CentreX(), desktop.ScreenWidth() / 2, 1)
                                               && near(m.CentreY(), desktop.ScreenHeight() / 2 - pixels(1200), 30),
                                           "the main screen stands centred and lifted, not with its middle at "
                                               + std::to_string(m.CentreX()) + ", " + std::to_string(m.CentreY()));
                    // The player moves it by its title bar.
                    player.x.Drag({m.left + 60, m.top - 8}, {m.left + 150, m.top + 42});
                    movedTo = m;
                    movedTo.left += 90;
                    movedTo.top += 50;
                    step = 1;
                } else if (step == 1 && !TheReplyDialog.IsLoaded()) {
                    const bool moved = near(m.left, movedTo.left, 1) && near(m.top, movedTo.top, 1);
                    if (!moved && ++waitedForTheMove < 20)
                        return;  // the window manager takes its time
                    RealTimePlayer::Expect(moved,
                                           "the main screen went where the player moved it, not to "
                                               + std::to_string(m.left) + ", " + std::to_string(m.top));
                    // Time passes at the hidden spot until a girl comes by at 4:36.
                    player.x.Click(main.KaKushiDummy, 3, Platform::ShiftKey | Platform::CtrlKey);
                } else if (step == 1) {
                    const auto r = desktop.Find("Velmoor Episode2 Serif");
                    RealTimePlayer::Expect(r.has_value() && r->owner == m.id,
                                           "the reply window belongs to the main screen");
                    RealTimePlayer::Expect(near(r->CentreX(), m.CentreX(), 1) && r->top - m.Bottom() >= pixels(50) - 1
                                               && r->top - m.Bottom() <= pixels(50) + 12,
                                           "the reply window stands centred 50 twips under the main screen");
                    RealTimePlayer::Expect(TheReplyDialog.Get().Command1[0]->HasFocus() && desktop.HasFocus(r->id),
                                           "the reply window takes the keyboard");
                    player.x.Click(main.lblClock);
                    step = 2;
                } else if (step == 2) {
                    const auto r = desktop.Find("Velmoor Episode2 Serif");
                    RealTimePlayer::Expect(r && desktop.IsAbove(r->id, m.id),
                                           "the reply window stays above the main screen clicked");
                    player.x.Click(TheReplyDialog.Get().Label1);  // back to the replies
                    step = 3;
                } else if (step == 3) {
                    player.x.Press("KP_Enter");
                    step = 4;
                } else if (step == 4) {
                    if (TheReplyDialog.IsLoaded() && ++waitedForTheKey < 20)
                        return;  // the key is on its way through the window manager
                    RealTimePlayer::Expect(!TheReplyDialog.IsLoaded() && GamePhase == FreeAtPlace,
                                           "the keypad's Enter pressed the focused reply");
                    std::optional<XDesktop::Shown> box;
                    // The box waits for its answer; the player's other hand gives it from here.
                    std::thread answer([&box, owner = m.id] {
                        XDesktop seen;
                        XInput keys;
                        for (int tries = 0; tries < 600; ++tries) {
                            std::this_thread::sleep_for(std::chrono::milliseconds(50));
                            if (const auto shown = seen.Find("Velmoor Episode2", owner)) {
                                box = shown;
                                keys.Press("Escape");  // キャンセル: play goes on
                            } else if (box) {
                                return;
                            } else if (tries == 400) {  // a loaded machine is slow to map it
                                RealTimePlayer::Fail("no quit box belongs to the main screen");
                            }
                        }
                        RealTimePlayer::Fail("the quit box stays open");
                    });
                    main.Form.SimulateCloseBox();
                    answer.join();
                    RealTimePlayer::Expect(box && box->owner == m.id, "the quit box belongs to the main screen");
                    RealTimePlayer::Expect(
                        near(box->CentreX(), m.CentreX(), 4) && near(box->CentreY(), m.CentreY(), 24),
                        "the quit box opens over the main screen, not with its middle at "
                            + std::to_string(box->CentreX()) + ", " + std::to_string(box->CentreY()));
                    RealTimePlayer::Pass("the windows stay together");
                }
            };
            player.Play();
        },
        testing::ExitedWithCode(0), "the windows stay together");
}
#endif
