#pragma once
// The main screen: the scene picture, speaker and text, the clock, the seven place buttons and
// the walking footprints. Its one-minute timer is the game's clock.
#include "core/GameState.h"
#include "core/ScreenSlot.h"
#include "platform/CommandButton.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "scene/MainStage.h"

#include <array>
#include <memory>

namespace Velmoor2 {

class VelMain final : public MainStage {
public:
    static constexpr int ClientWidth = 5700;
    static constexpr int ClientHeight = 4230;
    static constexpr int MinuteMs = 60000;

    VelMain();

    Platform::Window Form{ClientWidth, ClientHeight, "Velmoor Episode2"};
    Platform::Shape Shape1{Form, Platform::ShapeKind::Rectangle, 255, 120, 4500, 3015, 0x00C00000};
    Platform::Image Image1{Form, 120, 0, 4500, 3000};
    Platform::Label lblClock{Form, 4920, 0, 735, 255};
    std::array<std::unique_ptr<Platform::CommandButton>, 7> Command1;
    std::array<std::unique_ptr<Platform::Image>, 2> Image2;
    Platform::Label Label2{Form, 120, 3120, 1575, 240};
    Platform::Label Label1{Form, 120, 3360, 5535, 855};
    Platform::Label Label3{Form, 3960, 3960, 1575, 230};
    Platform::Label KaKushiDummy{Form, 2040, 3165, 495, 195};
    Platform::Timer Timer1{0, false};
    Platform::Timer Timer2{1000, true};
    Platform::Timer Timer3{500, true};

    void Form_Load();
    void Command1_Click(int index);
    void Form_KeyPress(int character);
    void Image1_Click();
    void Label1_Click();
    void Label3_Click();
    void KaKushiDummy_MouseDown(int button, int shift);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // The player closes the window: asks first; returns true to cancel the close.
    bool Form_QueryUnload();

    void HideForUnload();

    void Show() override;
    void SetTitle(const std::string& caption) override;
    void SetSpeaker(const std::string& name) override;
    void SetText(const std::string& text) override;
    void ShowPicture(const std::string& file) override;
    void SetClickPrompt(const std::string& prompt) override;
    void SetClock(const std::string& text) override;
    void StopClock() override;
    void EnablePlaces(const std::array<bool, 7>& enabled) override;
    Platform::Window& StageWindow() override { return Form; }

private:
    bool walkFrame_ = false;
    void EndConversationsAtFullFiveMinutes();
    void AdvanceWalk();
};

inline ScreenSlot<VelMain> TheMainScreen;

// Lends the main screen to the story below it; once, before the first scene.
void LendMainScreen();

}  // namespace Velmoor2
