#pragma once
// The title screen: the artwork, the start label, and the captions "Episode" and "2" fading in
// over the artwork on a 13 / 10 / 3 second cycle. Shift, Ctrl or Alt on the start label
// silences the music for the whole run.
#include "core/ScreenSlot.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <array>
#include <memory>

namespace Velmoor2 {

class VelTitle {
public:
    static constexpr int ClientWidth = 5355;
    static constexpr int ClientHeight = 3135;
    static constexpr int FirstTickMs = 13000;
    static constexpr int ShownMs = 10000;
    static constexpr int HiddenMs = 3000;

    VelTitle();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2"};
    Platform::Label Label4{Form, 2640, 1560, 1335, 375};
    Platform::Label Label3{Form, 3960, 360, 1935, 1575};
    Platform::Label Label2{Form, 2040, 2760, 1215, 255};
    std::array<std::unique_ptr<Platform::Shape>, 2> Line1;
    Platform::Label Label1{Form, 1440, 2280, 2415, 375};
    Platform::Timer Timer1{FirstTickMs, true};

    void Form_Load();
    void Form_MouseMove();
    void Label2_MouseMove();
    void Label2_MouseDown(int button, int shift);
    void Label2_Click();
    void Timer1_Timer();
    void HideForUnload();

private:
    void FadeIn();
    // False once the screen has been left (a click can land in the middle of the fade).
    bool StillShown() const;

    bool fading_ = false;
};

inline ScreenSlot<VelTitle> TheTitleScreen;

// The maker's notice of the title caption and the notice line.
std::string MakersNotice();

}  // namespace Velmoor2
