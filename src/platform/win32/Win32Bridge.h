#pragma once
// Inside the Windows platform only: what the windows and controls share.
#include "platform/Colour.h"
#include "platform/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <windows.h>

namespace Platform {

class Window;

// The game's UTF-8 text and the system's UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The window's own handle, the parent of its controls.
HWND HandleOf(Window& window);
// Shift = 1, Ctrl = 2, Alt = 4, as the keys are held now.
int ModifierState();

// Runs the action with the modifier keys (Shift = 1, Ctrl = 2, Alt = 4) held on the keyboard's
// state, where the game reads them, as simulated input needs.
void WithModifiersHeld(int shift, const std::function<void()>& action);

// A design colour (&H00BBGGRR) is a COLORREF already.
inline COLORREF ToColorRef(Colour colour) { return static_cast<COLORREF>(colour); }

// Mouse callbacks shared by every control.
struct MouseHandlers {
    std::function<void()> click;
    std::function<void()> doubleClick;
    std::function<void(int button, int shift, int x, int y)> down;
    std::function<void(int button, int shift, int x, int y)> move;
};

// One control's native window. The control classes derive from it to answer the messages the
// window sends its children (colours, notifications, owner drawing).
struct NativeControl {
    HWND hwnd = nullptr;
    MouseHandlers mouse;
    bool pressed = false;  // a left press began over the control
    bool hasToolTip = false;

    virtual ~NativeControl() = default;
    // WM_CTLCOLOR*: the brush for the control's background, or null for the system's.
    virtual HBRUSH Colours(HDC) { return nullptr; }
    // WM_COMMAND notification codes (BN_CLICKED, STN_CLICKED ...).
    virtual void Notify(int) {}
    // WM_DRAWITEM for owner-drawn controls.
    virtual void Draw(const DRAWITEMSTRUCT&) {}
    // Draws itself as it shows beneath a transparent control above it, in its parent's
    // coordinates (pictures do; the rest are not seen through).
    virtual void DrawBeneath(HDC) const {}
    // Whether the control takes the mouse itself (a button clicks through BN_CLICKED).
    virtual bool ClicksThroughNotification() const { return false; }
};

// What every control holds: its native window, which goes with the control.
struct Control::Impl {
    explicit Impl(NativeControl* control)
        : native(control)
    {}
    std::unique_ptr<NativeControl> native;
};

// Creates a child control of the window and hooks its mouse messages to `control.mouse`.
HWND CreateChild(NativeControl& control, Window& window, const wchar_t* className, DWORD style,
                 DWORD extendedStyle = 0);
NativeControl* ControlOf(HWND hwnd);
// Fills the control's device context with what lies behind it: the window's colour and picture
// and the pictures of the controls below it. Transparent controls draw this first.
void PaintBehind(HWND control, HDC dc);
// Has the controls above this one that overlap it drawn afresh (they show it through).
void InvalidateAbove(HWND control);
// The message a game window answers by painting its background into the given context.
constexpr UINT PaintBackgroundMessage = WM_APP + 2;

// The window's handlers for messages its controls send up.
LRESULT ForwardToControl(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

}  // namespace Platform

namespace Platform {

// A hidden window of the program's own: timers tick and deferred actions run through it, in
// whichever message loop is pumping at the time.
HWND MessageWindow();
// The timer whose id Windows hands back ticks (Timer.cpp); an id no longer alive is ignored.
void TickTimer(UINT_PTR id);
// Registers the window class of the game's windows once (Window.cpp).
void RegisterGameWindowClass();

}  // namespace Platform
