#pragma once
// A player who sits in front of the real screens from the logo to the program's end: he clicks
// the buttons, types his name, answers the message boxes and uses the hidden hot spot to let
// the clock run. He acts once each time the game waits, and logs every screen he meets.
#include "bench/RoutePlanner.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "endings/VelEnding.h"
#include "extras/VelAlbum.h"
#include "extras/VelDatarm.h"
#include "frontend/Demoform.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "game/VelMain.h"
#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "startup/StartUp.h"
#include "talk/ConversationFiles.h"
#include "talk/VelSerif.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

struct PlayPlan {
    enum class Start { NewGame, Continue, DataRoomReplay };
    std::string name;  // for the log and the screenshots
    Start start = Start::NewGame;
    int goal = 1;  // the girl he is after; 0 meets nobody
    int albumGirl = 1;
    bool aimForThreeOrFour = false;  // answers to end her affection at 3 or 4
    unsigned seed = 7;               // one afternoon's draws in which every plan below reaches its goal
    int quitWithSaveAt = 0;          // a game minute, or 0 to play to the end
    int replayRow = 0;
    int replayKeys = 0;
};

class Player {
public:
    explicit Player(PlayPlan plan)
        : plan_(std::move(plan)),
          planner_(plan_.goal)
    {}

    // Plays until the game ends the program; stuck games end the child with status 5.
    [[noreturn]] void Play()
    {
        Platform::SetMessageBoxHook([this](const std::string& text, int flags, const std::string&) {
            std::fprintf(stderr, "message box %d: %s\n", flags, text.c_str());
            if (flags == Platform::MbYesNoCancelExclamation)  // the quit question: save and end
                return Platform::AnswerYes;
            if (text.find("セーブできませんでした") != std::string::npos)  // the game stays open: play on
                plan_.quitWithSaveAt = 0;
            return flags == Platform::MbYesNoInformationDefaultNo ? Platform::AnswerYes : Platform::AnswerOk;
        });
        Platform::SetIdleHook([this] { Act(); });
        Velmoor2::StartUp();
        for (;;)
            Platform::WaitForEvents();
    }

private:
    // Under a real display with VELMOOR_SHOTS set, every screen and scene he sees is kept.
    void Photograph(const Platform::Window& form, const std::string& what)
    {
        const char* folder = std::getenv("VELMOOR_SHOTS");
        if (!folder)
            return;
        char number[12];
        std::snprintf(number, sizeof number, "%03d", ++shots_);
        std::string name = plan_.name + "-" + number + "-" + what;
        for (char& c : name)
            c = c == ' ' ? '_' : c;
        form.SaveScreenshot(std::string(folder) + "/" + name + ".png");
    }

    void Log(const std::string& screen, const Platform::Window& form)
    {
        if (screen == lastScreen_)
            return;
        lastScreen_ = screen;
        Photograph(form, screen);
        using Velmoor2::MetFlag;
        std::fprintf(stderr, "screen %s at minute %d, place %d, met %d%d%d%d%d%d\n", screen.c_str(),
                     Velmoor2::GameMinute, Velmoor2::CurrentPlace, MetFlag[1], MetFlag[2], MetFlag[3], MetFlag[4],
                     MetFlag[5], MetFlag[6]);
    }

    void Act()
    {
        using namespace Velmoor2;
        if (++actions_ > 50000) {
            std::fprintf(stderr, "stuck at minute %d, phase %d\n", GameMinute, GamePhase);
            std::_Exit(5);
        }
        Platform::Defer([] {});  // the wait wakes at once after this move
        if (TheLogoDemo.IsLoaded() && TheLogoDemo.Get().Form.IsVisible()) {
            Log("logo", TheLogoDemo.Get().Form);
            TheLogoDemo.Get().Timer1_Timer();
        } else if (TheTitleScreen.IsLoaded() && TheTitleScreen.Get().Form.IsVisible()) {
            Log("title", TheTitleScreen.Get().Form);
            SeedRandom(plan_.seed);  // the afternoon's draws repeat from here on
            TheTitleScreen.Get().Label2.SimulateClick();
        } else if (TheDataRoom.IsLoaded() && TheDataRoom.Get().Form.IsVisible()) {
            Log("data room", TheDataRoom.Get().Form);
            TheDataRoom.Get().Image2[plan_.replayRow]->SimulateDoubleClick(plan_.replayKeys);
        } else if (TheStartScreen.IsLoaded() && TheStartScreen.Get().Form.IsVisible()) {
            Log("start", TheStartScreen.Get().Form);
            ActOnStartScreen(TheStartScreen.Get());
        } else if (TheClassAlbum.IsLoaded() && TheClassAlbum.Get().Form.IsVisible()) {
            Log("album", TheClassAlbum.Get().Form);
            TheClassAlbum.Get().Image1[plan_.albumGirl - 1]->SimulateClick();
        } else if (TheStaffRoll.IsLoaded() && TheStaffRoll.Get().Form.IsVisible()) {
            VelEnding& roll = TheStaffRoll.Get();
            Log("staff roll", roll.Form);
            if (const std::string page = roll.Label1.Caption() + roll.Label2.Caption(); page != lastRollPage_) {
                lastRollPage_ = page;
                Photograph(roll.Form, "staff roll page");
                std::fprintf(stderr, "roll page %s | %s\n", roll.Label1.Caption().c_str(),
                             roll.Label2.Caption().c_str());
            }
            roll.Timer1_Timer();
        } else if (TheMainScreen.IsLoaded() && TheMainScreen.Get().Form.IsVisible()) {
            Log("main", TheMainScreen.Get().Form);
            ActInPlay(TheMainScreen.Get());
        }
    }

    void ActOnStartScreen(Velmoor2::VelStart& start)
    {
        using Start = PlayPlan::Start;
        if (start.LOADOK.IsVisible()) {
            start.LOADOK.SimulateClick();
        } else if (start.Picture1.IsVisible()) {
            start.Picture1.Text1.SetText("");
            start.Picture1.Text1.SimulateTyping("高瀬");
            start.Picture1.Text2.SetText("");
            start.Picture1.Text2.SimulateTyping("悠");
            start.Picture1.OKBUTTON.SimulateClick();
        } else {
            const int item = plan_.start == Start::NewGame ? 0 : plan_.start == Start::Continue ? 1 : 2;
            start.Label1[item]->SimulateClick();
        }
    }

    void ActInPlay(Velmoor2::VelMain& main)
    {
        using namespace Velmoor2;
        const std::string scene = main.Form.Caption() + main.Label2.Caption();
        if (scene != lastScene_) {
            lastScene_ = scene;
            Photograph(main.Form, "scene");
        }
        if (!main.Label3.Caption().empty()) {
            // What he reads before clicking on: the speaker and the line.
            if (const std::string said = main.Label2.Caption() + ": " + main.Label1.Caption(); said != lastSaid_) {
                lastSaid_ = said;
                std::fprintf(stderr, "text %s\n", said.c_str());
            }
            main.Label1.SimulateClick();  // the game waits for a click
        } else if (TheReplyDialog.IsLoaded() && TheReplyDialog.Get().Form.IsVisible()) {
            Photograph(TheReplyDialog.Get().Form, "replies");
            TheReplyDialog.Get().Command1[ChooseReply()]->SimulateClick();
        } else if (GamePhase == FreeAtPlace && plan_.quitWithSaveAt && GameMinute >= plan_.quitWithSaveAt) {
            main.Form.SimulateCloseBox();
        } else if (GamePhase == FreeAtPlace && MovesOn(main)) {
            return;
        } else {
            main.KaKushiDummy.SimulateMouseDown(Platform::RightButton, Platform::ShiftKey | Platform::CtrlKey);
        }
    }

    bool MovesOn(Velmoor2::VelMain& main)
    {
        using namespace Velmoor2;
        unsigned met = 0;
        for (int girl : Classmates)
            met |= MetFlag[girl] ? 1u << girl : 0u;
        const int destination = planner_.Destination(GameMinute, CurrentPlace, met);
        if (destination == 0 || !main.Command1[destination - 1]->IsEnabled())
            return false;
        main.Command1[destination - 1]->SimulateClick();
        return true;
    }

    // The reply whose affection change suits the plan best, as the data files give it.
    int ChooseReply() const
    {
        using namespace Velmoor2;
        const int girl = TalkKey[1] - '0';
        int chosen = 0;
        double bestScore = -1e9;
        for (int j = 1; j <= 5; ++j) {
            const auto response = ResponseTo(TalkKey, ReplyCodes[j]);
            const int change = response.Ok() ? response.Get().change : 0;
            const double score = plan_.aimForThreeOrFour ? -std::abs(Love[girl] + change - 3.5) : change;
            if (score > bestScore) {
                bestScore = score;
                chosen = j - 1;
            }
        }
        return chosen;
    }

    PlayPlan plan_;
    RoutePlanner planner_;
    std::string lastScreen_;
    std::string lastScene_;
    std::string lastSaid_;
    std::string lastRollPage_;
    int shots_ = 0;
    long actions_ = 0;
};
