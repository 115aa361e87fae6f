#include "realtime/XInput.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <thread>

namespace {

Display* X(void* display) { return static_cast<Display*>(display); }

}  // namespace

XInput::XInput()
    : display_(XOpenDisplay(nullptr))
{}

XInput::~XInput()
{
    if (display_)
        XCloseDisplay(X(display_));
}

void XInput::MoveTo(Platform::ScreenPoint point)
{
    XTestFakeMotionEvent(X(display_), -1, point.x, point.y, CurrentTime);
    XFlush(X(display_));
}

void XInput::Modifiers(int shift, bool down)
{
    const KeySym keys[] = {XK_Shift_L, XK_Control_L, XK_Alt_L};
    for (int bit = 0; bit < 3; ++bit)
        if (shift & (1 << bit))
            XTestFakeKeyEvent(X(display_), XKeysymToKeycode(X(display_), keys[bit]), down, CurrentTime);
}

void XInput::Click(Platform::ScreenPoint point, int button, int shift)
{
    MoveTo(point);
    Modifiers(shift, true);
    XTestFakeButtonEvent(X(display_), static_cast<unsigned>(button), True, CurrentTime);
    XTestFakeButtonEvent(X(display_), static_cast<unsigned>(button), False, CurrentTime);
    Modifiers(shift, false);
    XFlush(X(display_));
}

void XInput::Type(const std::string& text)
{
    for (const char c : text) {
        const char name[2] = {c, 0};
        const KeyCode code = XKeysymToKeycode(X(display_), XStringToKeysym(name));
        const bool upper = c >= 'A' && c <= 'Z';
        if (upper)
            Modifiers(1, true);
        XTestFakeKeyEvent(X(display_), code, True, CurrentTime);
        XTestFakeKeyEvent(X(display_), code, False, CurrentTime);
        if (upper)
            Modifiers(1, false);
    }
    XFlush(X(display_));
}

void XInput::Press(const std::string& keyName)
{
    const KeyCode code = XKeysymToKeycode(X(display_), XStringToKeysym(keyName.c_str()));
    XTestFakeKeyEvent(X(display_), code, True, CurrentTime);
    XTestFakeKeyEvent(X(display_), code, False, CurrentTime);
    XFlush(X(display_));
}

void XInput::Drag(Platform::ScreenPoint from, Platform::ScreenPoint to)
{
    // A window manager moves a window only for a drag it sees happen: each step is flushed and
    // given a moment (on the game's clock, which the real-time games run twenty times faster).
    const auto settle = [this] {
        XFlush(X(display_));
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    };
    MoveTo(from);
    settle();
    XTestFakeButtonEvent(X(display_), 1, True, CurrentTime);
    settle();
    constexpr int Steps = 8;
    for (int step = 1; step <= Steps; ++step) {
        MoveTo({from.x + (to.x - from.x) * step / Steps, from.y + (to.y - from.y) * step / Steps});
        settle();
    }
    XTestFakeButtonEvent(X(display_), 1, False, CurrentTime);
    settle();
}
