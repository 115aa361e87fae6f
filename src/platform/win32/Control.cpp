#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/win32/Win32Bridge.h"

#include <commctrl.h>

namespace Platform {

Control::Control(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl))
{}

Control::~Control()
{
    if (impl_->native->hwnd)
        DestroyWindow(impl_->native->hwnd);
}

namespace {

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
    SetWindowPos(impl_->native->hwnd, nullptr, ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::Left() const { return ToTwips(PlaceInParent(impl_->native->hwnd).left); }
int Control::Top() const { return ToTwips(PlaceInParent(impl_->native->hwnd).top); }
int Control::Width() const
{
    const RECT place = PlaceInParent(impl_->native->hwnd);
    return ToTwips(place.right - place.left);
}
int Control::Height() const
{
    const RECT place = PlaceInParent(impl_->native->hwnd);
    return ToTwips(place.bottom - place.top);
}

ScreenPoint Control::ScreenCentre() const
{
    RECT place{};
    GetWindowRect(impl_->native->hwnd, &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

void Control::SetVisible(bool visible) { ShowWindow(impl_->native->hwnd, visible ? SW_SHOWNA : SW_HIDE); }
bool Control::IsVisible() const { return (GetWindowLongW(impl_->native->hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetEnabled(bool enabled) { EnableWindow(impl_->native->hwnd, enabled); }
bool Control::IsEnabled() const { return IsWindowEnabled(impl_->native->hwnd) != FALSE; }

void Control::SetFocus() { ::SetFocus(impl_->native->hwnd); }
bool Control::HasFocus() const { return GetFocus() == impl_->native->hwnd; }

void Control::SetToolTip(const std::string& text)
{
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(impl_->native->hwnd);
    tool.uId = reinterpret_cast<UINT_PTR>(impl_->native->hwnd);
    tool.lpszText = wide.data();
    if (!impl_->native->hasToolTip) {
        impl_->native->hasToolTip = true;
        SendMessageW(ToolTips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(ToolTips(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Control::OnClick(std::function<void()> handler) { impl_->native->mouse.click = std::move(handler); }
void Control::OnDoubleClick(std::function<void()> handler) { impl_->native->mouse.doubleClick = std::move(handler); }
void Control::OnMouseDown(std::function<void(int, int, int, int)> handler)
{
    impl_->native->mouse.down = std::move(handler);
}
void Control::OnMouseMove(std::function<void(int, int, int, int)> handler)
{
    impl_->native->mouse.move = std::move(handler);
}

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
    HWND hwnd = impl_->native->hwnd;
    if (!TakesInput(hwnd))
        return;
    Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON);
    if (IsWindow(hwnd))
        Send(hwnd, WM_LBUTTONUP, 0);
}

// The second press of a double-click, as the window system reports it after the first click.
void Control::SimulateDoubleClick(int shift)
{
    HWND hwnd = impl_->native->hwnd;
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
    HWND hwnd = impl_->native->hwnd;
    if (TakesInput(hwnd))
        WithModifiersHeld(shift, [&] { Send(hwnd, WM_MOUSEMOVE, HeldKeys(shift)); });
}

void Control::SimulateMouseDown(int button, int shift)
{
    HWND hwnd = impl_->native->hwnd;
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

// The keypad's Enter is Enter with the extended-key bit set.
void Control::SimulateKey(Key key)
{
    HWND hwnd = impl_->native->hwnd;
    if (!TakesInput(hwnd))
        return;
    const WPARAM code = key == Key::Space ? VK_SPACE : VK_RETURN;
    const LPARAM extended = key == Key::KeypadEnter ? 1 << 24 : 0;
    SendMessageW(hwnd, WM_KEYDOWN, code, 1 | extended);
    if (IsWindow(hwnd))
        SendMessageW(hwnd, WM_KEYUP, code, 1 | extended | (1LL << 30) | (1LL << 31));
}

}  // namespace Platform
