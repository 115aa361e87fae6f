#pragma once
// The staff roll: credit pages on a 3.5-second clock, the confessing heroine's picture and a
// farewell, then the window closes itself. A replay can be cut short on the names.
#include "core/GameState.h"
#include "core/ScreenSlot.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace Velmoor2 {

class VelEnding {
public:
    static constexpr int ClientWidth = 4470;
    static constexpr int ClientHeight = 4725;
    static constexpr int PageMs = 3500;
    // Two ticks after the farewell page the roll closes itself; its pages are content.
    static constexpr int ClosingTick = 23;

    VelEnding();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2", Platform::Border::None};
    Platform::Image Image1{Form, 0, 0, 4500, 3000};
    Platform::Label Label1{Form, 120, 3120, 4215, 255};
    Platform::Label Label2{Form, 120, 3600, 4215, 975};
    Platform::Timer Timer1{PageMs, true};

    void Form_Load();
    void Timer1_Timer();
    void Label2_DblClick();
    void HideForUnload();

    Integer TickCount = 0;

private:
    void ShowPage(const std::string& title, const std::string& names, const std::string& pictureCode);
};

inline ScreenSlot<VelEnding> TheStaffRoll;

}  // namespace Velmoor2
