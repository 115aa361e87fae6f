#pragma once
// The main screen as the story sees it. Talk, the endings and the data room put lines, pictures
// and the clock on it through this seam; the screen itself, with its clock and walks, sits above
// them in game/ and lends itself here once when the program starts.
#include <array>
#include <string>

namespace Platform {
class Window;
}

namespace Velmoor2 {

class MainStage {
public:
    virtual ~MainStage() = default;

    virtual void Show() = 0;
    virtual void SetTitle(const std::string& caption) = 0;
    virtual void SetSpeaker(const std::string& name) = 0;
    virtual void SetText(const std::string& text) = 0;
    // A picture that cannot be read leaves the picture box empty rather than showing the last one.
    virtual void ShowPicture(const std::string& file) = 0;
    virtual void SetClickPrompt(const std::string& prompt) = 0;
    virtual void SetClock(const std::string& text) = 0;
    virtual void StopClock() = 0;
    // Place n (1..7) is element n - 1.
    virtual void EnablePlaces(const std::array<bool, 7>& enabled) = 0;
    // The window itself: the reply window and the album belong to it and open placed from it.
    virtual Platform::Window& StageWindow() = 0;
};

// How the main screen is reached: created on first use and gone after closing, as every screen.
struct MainStageSource {
    MainStage& (*open)();
    bool (*isOpen)();
    void (*close)();
};

void LendMainStage(MainStageSource source);

// The main screen, created if it is not open.
MainStage& TheMainStage();
bool MainStageIsOpen();
void CloseMainStage();

}  // namespace Velmoor2
