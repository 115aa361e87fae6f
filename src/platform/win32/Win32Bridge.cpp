#include "platform/win32/Win32Bridge.h"

#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/Window.h"

#include <algorithm>
#include <commctrl.h>
#include <iterator>
#include <windowsx.h>

namespace Platform {

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string utf8(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

int ModifierState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ShiftKey;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0)
        shift |= AltKey;
    return shift;
}

void WithModifiersHeld(int shift, const std::function<void()>& action)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE held[256];
    std::copy(std::begin(keys), std::end(keys), std::begin(held));
    constexpr BYTE Down = 0x80;
    held[VK_SHIFT] = (shift & ShiftKey) ? Down : BYTE{0};
    held[VK_CONTROL] = (shift & CtrlKey) ? Down : BYTE{0};
    held[VK_MENU] = (shift & AltKey) ? Down : BYTE{0};
    SetKeyboardState(held);
    action();
    SetKeyboardState(keys);
}

namespace {

constexpr wchar_t ControlProperty[] = L"Velmoor2.Control";
constexpr UINT_PTR MouseSubclass = 1;

int HeldButtons(WPARAM keys)
{
    return ((keys & MK_LBUTTON) ? LeftButton : 0) | ((keys & MK_RBUTTON) ? RightButton : 0)
        | ((keys & MK_MBUTTON) ? MiddleButton : 0);
}

int Twips(int pixels) { return pixels * TwipsPerPixel / WindowScale(); }

void Down(NativeControl& control, int button, LPARAM lParam)
{
    if (control.mouse.down)
        control.mouse.down(button, ModifierState(), Twips(GET_X_LPARAM(lParam)), Twips(GET_Y_LPARAM(lParam)));
}

// The game hears a control's mouse as the player makes it: a click is a left press and release
// over the control; a double-click comes instead of the second click.
LRESULT CALLBACK MouseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto& control = *reinterpret_cast<NativeControl*>(data);
    switch (message) {
    case WM_LBUTTONDOWN:
        control.pressed = true;
        Down(control, LeftButton, lParam);
        break;
    case WM_RBUTTONDOWN: Down(control, RightButton, lParam); break;
    case WM_MBUTTONDOWN: Down(control, MiddleButton, lParam); break;
    case WM_LBUTTONUP: {
        const bool wasPressed = control.pressed;
        control.pressed = false;
        RECT area;
        GetClientRect(hwnd, &area);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (wasPressed && PtInRect(&area, at) && !control.ClicksThroughNotification() && control.mouse.click) {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            control.mouse.click();
            return result;
        }
        break;
    }
    case WM_LBUTTONDBLCLK:
        control.pressed = false;
        if (control.mouse.doubleClick && !control.ClicksThroughNotification()) {
            control.mouse.doubleClick();
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (control.mouse.move)
            control.mouse.move(HeldButtons(wParam), ModifierState(), Twips(GET_X_LPARAM(lParam)),
                               Twips(GET_Y_LPARAM(lParam)));
        break;
    case WM_KEYDOWN:
        // Enter presses a focused button, as Space does (a button outside a dialog box knows
        // only Space by itself).
        if (wParam == VK_RETURN && control.ClicksThroughNotification()) {
            SendMessageW(hwnd, BM_CLICK, 0, 0);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, MouseProc, MouseSubclass);
        RemovePropW(hwnd, ControlProperty);
        control.hwnd = nullptr;
        break;
    default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

HWND CreateChild(NativeControl& control, Window& window, const wchar_t* className, DWORD style, DWORD extendedStyle)
{
    control.hwnd = CreateWindowExW(extendedStyle, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0,
                                   0, 0, HandleOf(window), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetPropW(control.hwnd, ControlProperty, &control);
    SetWindowSubclass(control.hwnd, MouseProc, MouseSubclass, reinterpret_cast<DWORD_PTR>(&control));
    // Later controls lie above earlier ones, as the screens are designed.
    SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control.hwnd;
}

NativeControl* ControlOf(HWND hwnd)
{
    return hwnd ? static_cast<NativeControl*>(GetPropW(hwnd, ControlProperty)) : nullptr;
}

void PaintBehind(HWND control, HDC dc)
{
    HWND parent = GetParent(control);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    POINT origin{};
    OffsetViewportOrgEx(dc, -place.left, -place.top, &origin);
    SendMessageW(parent, PaintBackgroundMessage, reinterpret_cast<WPARAM>(dc), 0);
    // From the bottom of the window's controls up to this one.
    for (HWND below = GetWindow(control, GW_HWNDLAST); below && below != control;
         below = GetWindow(below, GW_HWNDPREV)) {
        RECT other{};
        GetWindowRect(below, &other);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&other), 2);
        RECT overlap{};
        if (IsWindowVisible(below) && IntersectRect(&overlap, &place, &other))
            if (const NativeControl* native = ControlOf(below))
                native->DrawBeneath(dc);
    }
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void InvalidateAbove(HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    for (HWND above = GetWindow(control, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        RECT other{};
        GetWindowRect(above, &other);
        RECT overlap{};
        if (IntersectRect(&overlap, &place, &other))
            InvalidateRect(above, nullptr, FALSE);
    }
}

LRESULT ForwardToControl(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = false;
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (NativeControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = control->Colours(reinterpret_cast<HDC>(wParam))) {
                handled = true;
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        return 0;
    case WM_COMMAND:
        if (NativeControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
            handled = true;
            control->Notify(HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (NativeControl* control = ControlOf(item->hwndItem)) {
            handled = true;
            control->Draw(*item);
            return TRUE;
        }
        return 0;
    }
    default: return 0;
    }
}

}  // namespace Platform
