#pragma once
// A top-level window of the game: caption, fixed client area, position in twips, modeless or
// modal display, and the events the screens handle on the window itself.
#include "platform/Colour.h"
#include "platform/ScreenPoint.h"

#include <functional>
#include <memory>
#include <string>

namespace Platform {

enum class Border { Fixed, None };

// The frame a bordered window gets from the window system, in desktop pixels (it does not grow
// with the window scale); used until the window system has placed the real frame (the first
// centring happens while a screen loads, before it is shown).
constexpr int FrameSidesPx = 8;
constexpr int FrameTitlePx = 31;

class Window {
public:
    Window(int clientWidthTwips, int clientHeightTwips, const std::string& caption, Border border = Border::Fixed);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The window this one is opened from (the reply window, the album and message boxes belong
    // to the main screen): it stays above its owner and is no taskbar entry of its own. Named
    // before the window is first shown; the screen places it from where its owner is now.
    void SetOwner(Window& owner);

    void Show();
    // Waits, pumping events, until the window is hidden or destroyed. Other windows take no input
    // meanwhile, but their timers keep ticking.
    void ShowModal();
    void Hide();
    bool IsVisible() const;

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetBackColour(Colour colour);
    // A picture held by the game (compiled in), by name; false when there is none.
    bool SetIcon(const std::string& resourceName);
    // The window's own background picture, drawn at its own size (times the window scale) at
    // its top-left corner: the pointer over it is over the bare window.
    bool SetPicture(const std::string& resourceName);
    // A point of the window's inside, in twips from its top-left corner, on the screen in pixels.
    ScreenPoint ScreenPointAt(int xTwips, int yTwips) const;

    // The outer frame in twips, as the screens place themselves.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void MoveTo(int left, int top);

    // The close box (or the system) asks to close; the screen decides what happens.
    void OnCloseRequest(std::function<void()> handler);
    void OnKeyPress(std::function<void(int character)> handler);
    void OnKeyDown(std::function<void(int keyCode, int shift)> handler);
    void OnClick(std::function<void()> handler);
    // The pointer moves over the bare window, not over one of its controls.
    void OnMouseMove(std::function<void()> handler);

    // As the player pressing the close box, or typing a character (tests).
    void SimulateCloseBox();
    void SimulateKeyPress(int character);
    void SimulateMouseMove();
    // A key going down with the modifiers held (Shift = 1, Ctrl = 2, Alt = 4).
    void SimulateKeyDown(int keyCode, int shift);
    bool SaveScreenshot(const std::string& path) const;

    struct Impl;
    Impl& impl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
