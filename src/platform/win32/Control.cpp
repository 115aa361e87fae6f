#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/win32/Win32Bridge.h"

#include <commctrl.h>

namespace Platform {

// The tool tip window of the program, made for the first control that has one.
struct Control::Guard {
    bool hasToolTip = false;
};

Control::Control(QWidget* widget, MouseHandlers*)
    : widget_(widget),
      mouse_(&FromSeamWidget(widget)->mouse),
      guard_(std::make_unique<Guard>())
{}

Control::~Control()
{
    NativeControl* control = FromSeamWidget(widget_);
    if (control->hwnd)
        DestroyWindow(control->hwnd);
    delete control;
}

namespace {

HWND Handle(QWidget* widget) { return FromSeamWidget(widget)->hwnd; }

RECT PlaceInParent(HWND hwnd)
{
    RECT place{};
    GetWindowRect(hwnd, &place);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

HWND ToolTips()
{
    static HWND tips = [] {
        HWND made = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(made, TTM_SETMAXTIPWIDTH, 0, 600);
        return made;
    }();
    return tips;
}

}  // namespace

void Control::Move(int left, int top, int width, int height)
{
    SetWindowPos(Handle(widget_), nullptr, ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::Left() const { return ToTwips(PlaceInParent(Handle(widget_)).left); }
int Control::Top() const { return ToTwips(PlaceInParent(Handle(widget_)).top); }
int Control::Width() const
{
    const RECT place = PlaceInParent(Handle(widget_));
    return ToTwips(place.right - place.left);
}
int Control::Height() const
{
    const RECT place = PlaceInParent(Handle(widget_));
    return ToTwips(place.bottom - place.top);
}

ScreenPoint Control::ScreenCentre() const
{
    RECT place{};
    GetWindowRect(Handle(widget_), &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

void Control::SetVisible(bool visible) { ShowWindow(Handle(widget_), visible ? SW_SHOWNA : SW_HIDE); }
bool Control::IsVisible() const { return (GetWindowLongW(Handle(widget_), GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetEnabled(bool enabled) { EnableWindow(Handle(widget_), enabled); }
bool Control::IsEnabled() const { return IsWindowEnabled(Handle(widget_)) != FALSE; }

void Control::SetToolTip(const std::string& text)
{
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(Handle(widget_));
    tool.uId = reinterpret_cast<UINT_PTR>(Handle(widget_));
    tool.lpszText = wide.data();
    if (!guard_->hasToolTip) {
        guard_->hasToolTip = true;
        SendMessageW(ToolTips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(ToolTips(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Control::OnClick(std::function<void()> handler) { mouse_->click = std::move(handler); }
void Control::OnDoubleClick(std::function<void()> handler) { mouse_->doubleClick = std::move(handler); }
void Control::OnMouseDown(std::function<void(int, int, int, int)> handler) { mouse_->down = std::move(handler); }
void Control::OnMouseMove(std::function<void(int, int, int, int)> handler) { mouse_->move = std::move(handler); }

namespace {

// Input for a control as the window system delivers it, at the control's middle.
void Send(HWND hwnd, UINT message, WPARAM keys)
{
    RECT area{};
    GetClientRect(hwnd, &area);
    SendMessageW(hwnd, message, keys, MAKELPARAM(area.right / 2, area.bottom / 2));
}

WPARAM HeldKeys(int shift) { return ((shift & ShiftKey) ? MK_SHIFT : 0) | ((shift & CtrlKey) ? MK_CONTROL : 0); }

bool TakesInput(HWND hwnd) { return hwnd && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd); }

}  // namespace

void Control::SimulateClick()
{
    // A disabled or hidden control takes no clicks, as on the screen.
    HWND hwnd = Handle(widget_);
    if (!TakesInput(hwnd))
        return;
    Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON);
    if (IsWindow(hwnd))
        Send(hwnd, WM_LBUTTONUP, 0);
}

// The second press of a double-click, as the window system reports it after the first click.
void Control::SimulateDoubleClick(int shift)
{
    HWND hwnd = Handle(widget_);
    SimulateMouseDown(LeftButton, shift);
    if (!TakesInput(hwnd))
        return;
    WithModifiersHeld(shift, [&] {
        Send(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON | HeldKeys(shift));
        if (IsWindow(hwnd))
            Send(hwnd, WM_LBUTTONUP, HeldKeys(shift));
    });
}

void Control::SimulateMouseMove(int shift)
{
    HWND hwnd = Handle(widget_);
    if (TakesInput(hwnd))
        WithModifiersHeld(shift, [&] { Send(hwnd, WM_MOUSEMOVE, HeldKeys(shift)); });
}

void Control::SimulateMouseDown(int button, int shift)
{
    HWND hwnd = Handle(widget_);
    if (!TakesInput(hwnd))
        return;
    const UINT down = button == RightButton ? WM_RBUTTONDOWN : button == MiddleButton ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    const UINT up = button == RightButton ? WM_RBUTTONUP : button == MiddleButton ? WM_MBUTTONUP : WM_LBUTTONUP;
    const WPARAM pressed = button == RightButton ? MK_RBUTTON : button == MiddleButton ? MK_MBUTTON : MK_LBUTTON;
    WithModifiersHeld(shift, [&] {
        Send(hwnd, down, pressed | HeldKeys(shift));
        if (IsWindow(hwnd))
            Send(hwnd, up, HeldKeys(shift));
    });
}

}  // namespace Platform
