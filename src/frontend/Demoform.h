#pragma once
// The maker's logo: the logotype drawn letter by letter on a small black window, a two-frame
// sprite beside it, the year and a short jingle; after 24 ticks of 200 ms it hides itself.
#include "core/GameState.h"
#include "core/ScreenSlot.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <array>
#include <memory>

namespace Velmoor2 {

class Demoform {
public:
    static constexpr int TickMs = 200;
    static constexpr int SegmentCount = 19;

    Demoform();

    Platform::Window Form{3525, 1380, "Corvane", Platform::Border::None};
    std::array<std::unique_ptr<Platform::Shape>, SegmentCount + 1> Line1;  // 1..19
    Platform::Label Label1{Form, 2775, 960, 855, 300};
    Platform::Image Image1{Form, 50, 300, 480, 960};
    Platform::Image Image2{Form, 4000, 0, 480, 960};
    Platform::Image Image3{Form, 4000, 1000, 480, 960};
    Platform::Timer Timer1{0, true};

    void Form_Load();
    void Timer1_Timer();
    void Form_KeyDown(int keyCode, int shift);
    void HideForUnload();

    bool WavOff = false;
    Integer DemoTick = 0;

private:
    void ShowGroup(int group);
    void SwitchSprite(const Platform::Image& frame);
};

inline ScreenSlot<Demoform> TheLogoDemo;

}  // namespace Velmoor2
