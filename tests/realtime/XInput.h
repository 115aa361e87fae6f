#pragma once
// Real input through the X server (XTest): the pointer moves, clicks and types as a player's
// mouse and keyboard do, so every event takes the same way through the window system as his.
#include "platform/Control.h"

#include <string>

class XInput {
public:
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    bool Connected() const { return display_ != nullptr; }
    void MoveTo(Platform::ScreenPoint point);
    // A press and release of a mouse button (1 left, 3 right) with Shift = 1, Ctrl = 2 held.
    void Click(Platform::ScreenPoint point, int button = 1, int shift = 0);
    void Click(const Platform::Control& control, int button = 1, int shift = 0)
    {
        Click(control.ScreenCentre(), button, shift);
    }
    // Letters and digits typed on the keyboard.
    void Type(const std::string& text);
    // One key pressed and released, by its X name ("Return", "KP_Enter", "Escape").
    void Press(const std::string& keyName);
    // The left button held from one point to another, as a window is moved by its title bar.
    void Drag(Platform::ScreenPoint from, Platform::ScreenPoint to);

private:
    void Modifiers(int shift, bool down);
    void* display_;
};
