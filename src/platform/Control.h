#pragma once
// What every control of a window shares: place and size in twips, visibility, mouse events.
#include "platform/ScreenPoint.h"

#include <functional>
#include <memory>
#include <string>

namespace Platform {

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void Move(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetVisible(bool visible);
    bool IsVisible() const;
    void SetEnabled(bool enabled);
    bool IsEnabled() const;
    void SetToolTip(const std::string& text);

    // Mouse events, with button and modifiers (Shift = 1, Ctrl = 2, Alt = 4), positions in twips.
    void OnClick(std::function<void()> handler);
    void OnDoubleClick(std::function<void()> handler);
    void OnMouseDown(std::function<void(int button, int shift, int x, int y)> handler);
    void OnMouseMove(std::function<void(int button, int shift, int x, int y)> handler);

    // The middle of the control on the screen, in pixels: tests move the real pointer there.
    ScreenPoint ScreenCentre() const;

    // Real input events sent to the control, as the player would make them (tests and demos).
    void SimulateClick();
    void SimulateMouseDown(int button, int shift);
    void SimulateDoubleClick(int shift = 0);
    void SimulateMouseMove(int shift = 0);

protected:
    // What the window system shows for the control; each backend defines it.
    struct Impl;
    explicit Control(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
