// A timer whose handler waits for the player keeps ticking inside that wait, as the game's clock
// must during a phone call.
#include "platform/Timer.h"

#include "platform/Application.h"

#include <chrono>
#include <gtest/gtest.h>

TEST(Timer, TicksAgainInsideItsOwnWaitingHandler)
{
    using Clock = std::chrono::steady_clock;
    const auto giveUp = Clock::now() + std::chrono::seconds(5);
    // Another window's timer keeps the waits waking even if the clock's own ticks stopped.
    Platform::Timer otherWindow(50, true);
    otherWindow.OnTick([] {});
    Platform::Timer clock(20, false);
    int ticks = 0;
    int nested = 0;
    bool waiting = false;
    clock.OnTick([&] {
        ++ticks;
        if (waiting) {
            ++nested;
            return;
        }
        waiting = true;
        while (nested < 3 && Clock::now() < giveUp)
            Platform::WaitForEvents();
        waiting = false;
    });
    clock.SetEnabled(true);
    while (ticks == 0 && Clock::now() < giveUp)
        Platform::WaitForEvents();
    clock.SetEnabled(false);
    EXPECT_EQ(nested, 3);
}
