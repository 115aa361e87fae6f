#pragma once
// The start screen: the guide, 松浦 すず, greets the player by the hour and offers a new game
// (name entry), the saved game, or the data room for players who have finished a game.
#include "core/ScreenSlot.h"
#include "platform/CommandButton.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <array>
#include <memory>
#include <string>

namespace Velmoor2 {

// The name-entry panel; its controls are placed relative to its corner.
struct NameEntryPanel {
    static constexpr int Left = 2880;
    static constexpr int Top = 1080;

    explicit NameEntryPanel(Platform::Window& form);
    void SetVisible(bool visible);
    bool IsVisible() const;

    Platform::Label Label2;
    Platform::TextBox Text1;
    Platform::Label Label3;
    Platform::TextBox Text2;
    Platform::CommandButton OKBUTTON;
};

class VelStart {
public:
    static constexpr int ClientWidth = 6285;
    static constexpr int ClientHeight = 3585;
    static constexpr int MenuItems = 3;

    VelStart();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2 -start-"};
    Platform::Image Image1{Form, 0, 240, 2250, 3060};
    Platform::Shape Shape1{Form, Platform::ShapeKind::RoundedRectangle, 2160, 30, 3975, 975, 0};
    std::array<std::unique_ptr<Platform::Shape>, 5> BalloonTail;  // Line1(0..1), Line2(0..1), Line3
    Platform::Label Serif{Form, 2400, 150, 3615, 735};
    std::array<std::unique_ptr<Platform::Label>, MenuItems> Label1;
    NameEntryPanel Picture1{Form};
    Platform::CommandButton LOADOK{Form, 3600, 1680, 1215, 495};
    Platform::Label Label4{Form, 360, 3360, 4095, 255};
    Platform::Timer Timer1{1000, true};

    void Form_Load();
    void Section1();
    void Form_MouseMove();
    void Label1_MouseMove(int index);
    void Label1_Click(int index);
    void OKBUTTON_Click();
    void LOADOK_Click();
    void Timer1_Timer();
    void HideForUnload();

    bool MenuAtRest = false;

private:
    void ShowMenu(bool shown);
    void OpenDataRoom();
    void PlayReplay();
    void EnterPlay(bool resumed);
};

inline ScreenSlot<VelStart> TheStartScreen;

// The guide's greeting for an hour of the local clock (0 to 23).
std::string GreetingForHour(int hour);

}  // namespace Velmoor2
