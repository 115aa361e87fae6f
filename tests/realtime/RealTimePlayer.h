#pragma once
// A player at the real program, on its own timers, who acts only through the X server: he clicks
// through the front screens into a new game and then hands over to what the test wants him to
// do in play. The test runs under libfaketime, twenty times faster than the wall clock, so he
// waits a little after each input for the window system to deliver it.
#include "core/GameState.h"
#include "extras/VelAlbum.h"
#include "frontend/Demoform.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "game/VelMain.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "realtime/XInput.h"
#include "startup/StartUp.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

class RealTimePlayer {
public:
    using Clock = std::chrono::steady_clock;

    // What he does in play, asked whenever the game waits and his last input has arrived.
    std::function<void(Velmoor2::VelMain&)> inPlay;
    // What he does on the title instead of clicking its start label; empty: he clicks it.
    std::function<void(Velmoor2::VelTitle&)> onTitle;
    // What he looks at while the logo plays.
    std::function<void(Velmoor2::Demoform&)> onLogo;
    std::vector<std::string> messages;  // the message boxes shown to him
    // Message boxes open on the screen and wait for his real answer instead of being answered
    // No at once (and noted in `messages`).
    bool realMessageBoxes = false;
    XInput x;

    [[noreturn]] void Play()
    {
        if (!x.Connected())
            Fail("no X display");
        if (!realMessageBoxes)
            Platform::SetMessageBoxHook([this](const std::string& text, int, const std::string&) {
                messages.push_back(text);
                std::fprintf(stderr, "message box: %s\n", text.c_str());
                return Platform::AnswerNo;
            });
        Platform::SetIdleHook([this] { Act(); });
        Velmoor2::StartUp();
        for (;;)
            Platform::WaitForEvents();
    }

    // The game must not go on: the check failed.
    [[noreturn]] static void Fail(const std::string& why)
    {
        std::fprintf(stderr, "FAILED: %s\n", why.c_str());
        std::fflush(nullptr);
        std::_Exit(3);
    }
    [[noreturn]] static void Pass(const std::string& what)
    {
        std::fprintf(stderr, "%s\n", what.c_str());
        std::fflush(nullptr);
        std::_Exit(0);
    }
    static void Expect(bool holds, const std::string& what)
    {
        if (!holds)
            Fail(what);
    }

    // Gives the window system time to deliver his last input before he acts again.
    void Rest(std::chrono::milliseconds gameTime = std::chrono::milliseconds(1500))
    {
        restUntil_ = Clock::now() + gameTime;
    }

private:
    void Act()
    {
        using namespace Velmoor2;
        // A whole afternoon and its ending take well under forty game minutes.
        if (Clock::now() > startedAt_ + std::chrono::minutes(40))
            Fail("stuck at minute " + std::to_string(GameMinute) + ", phase " + std::to_string(GamePhase));
        if (Clock::now() < restUntil_)
            return;
        if (TheLogoDemo.IsLoaded() && TheLogoDemo.Get().Form.IsVisible()) {
            if (!onLogo)
                return;
            onLogo(TheLogoDemo.Get());
        } else if (TheTitleScreen.IsLoaded() && TheTitleScreen.Get().Form.IsVisible()) {
            if (onTitle)
                onTitle(TheTitleScreen.Get());
            else
                x.Click(TheTitleScreen.Get().Label2);
        } else if (TheStartScreen.IsLoaded() && TheStartScreen.Get().Form.IsVisible()) {
            OnStartScreen(TheStartScreen.Get());
        } else if (TheClassAlbum.IsLoaded() && TheClassAlbum.Get().Form.IsVisible()) {
            x.Click(*TheClassAlbum.Get().Image1[0]);
        } else if (TheMainScreen.IsLoaded() && TheMainScreen.Get().Form.IsVisible()) {
            VelMain& main = TheMainScreen.Get();
            if (TargetGirl == 0 && !main.Label3.Caption().empty())
                x.Click(main.Image1);  // the opening narration
            else if (TargetGirl != 0 && inPlay)
                inPlay(main);
            else
                return;
        } else {
            return;
        }
        Rest();
    }

    void OnStartScreen(Velmoor2::VelStart& start)
    {
        if (!start.Picture1.IsVisible()) {
            x.Click(*start.Label1[0]);  // a new game
            return;
        }
        if (start.Picture1.Text1.Text().empty()) {
            x.Click(start.Picture1.Text1);
            x.Type("Takase");
        } else if (start.Picture1.Text2.Text().empty()) {
            x.Click(start.Picture1.Text2);
            x.Type("Yu");
        } else {
            x.Click(start.Picture1.OKBUTTON);
        }
    }

    Clock::time_point startedAt_ = Clock::now();
    Clock::time_point restUntil_{};
};
