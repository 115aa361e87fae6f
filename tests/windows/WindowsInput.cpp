// The real-time player's mouse and keyboard on Windows: SendInput puts each press into the
// system's input queue, so it reaches the game's windows the way a player's own input does.
#include "realtime/XInput.h"

#include <windows.h>

namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

void Key(WORD key, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    Send(input);
}

void Button(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    Send(input);
}

}  // namespace

// Windows has no display to open: the desktop window stands for it.
XInput::XInput()
    : display_(GetDesktopWindow())
{}

XInput::~XInput() = default;

void XInput::MoveTo(Platform::ScreenPoint point) { SetCursorPos(point.x, point.y); }

void XInput::Modifiers(int shift, bool down)
{
    const WORD keys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    for (int bit = 0; bit < 3; ++bit)
        if (shift & (1 << bit))
            Key(keys[bit], down);
}

void XInput::Click(Platform::ScreenPoint point, int button, int shift)
{
    MoveTo(point);
    Modifiers(shift, true);
    Button(button == 3 ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Button(button == 3 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Modifiers(shift, false);
}

// Letters and digits have virtual keys of their own upper-case character.
void XInput::Type(const std::string& text)
{
    for (const char c : text) {
        const bool upper = c >= 'A' && c <= 'Z';
        const WORD key = static_cast<WORD>(upper || (c >= '0' && c <= '9') ? c : c - 'a' + 'A');
        if (upper)
            Modifiers(1, true);
        Key(key, true);
        Key(key, false);
        if (upper)
            Modifiers(1, false);
    }
}
