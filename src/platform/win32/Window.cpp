#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/win32/Picture.h"
#include "platform/win32/Screenshot.h"
#include "platform/win32/Win32Bridge.h"

#include <cmath>
#include <vector>

namespace Platform {

struct Window::Impl {
    HWND hwnd = nullptr;
    bool bordered = true;
    HBRUSH background = nullptr;  // the back colour; the system's face colour until one is set
    SharedPicture picture;
    HICON icon = nullptr;
    MouseHandlers mouse;
    bool pressed = false;
    std::function<void()> closeRequest;
    std::function<void(int)> keyPress;
    std::function<void(int, int)> keyDown;

    ~Impl()
    {
        if (hwnd)
            DestroyWindow(hwnd);
        if (background)
            DeleteObject(background);
        if (icon)
            DestroyIcon(icon);
    }
};

namespace {

constexpr wchar_t GameWindowClass[] = L"Velmoor2.Window";

Window::Impl* ImplOf(HWND hwnd) { return reinterpret_cast<Window::Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void PaintBackground(Window::Impl& impl, HDC dc)
{
    RECT area;
    GetClientRect(impl.hwnd, &area);
    FillRect(dc, &area, impl.background ? impl.background : GetSysColorBrush(COLOR_BTNFACE));
    if (impl.picture)
        impl.picture->Draw(dc, 0, 0);
}

LRESULT CALLBACK GameWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window::Impl* impl = ImplOf(hwnd);
    if (!impl)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    bool handled = false;
    const LRESULT forwarded = ForwardToControl(message, wParam, lParam, handled);
    if (handled)
        return forwarded;
    switch (message) {
    case WM_ERASEBKGND:
    case PaintBackgroundMessage: PaintBackground(*impl, reinterpret_cast<HDC>(wParam)); return 1;
    case WM_CLOSE:
        // The screen unloads itself when it agrees.
        if (impl->closeRequest)
            impl->closeRequest();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (impl->keyDown)
            impl->keyDown(static_cast<int>(wParam), ModifierState());
        break;
    case WM_CHAR:
        if (impl->keyPress)
            impl->keyPress(static_cast<int>(wParam));
        return 0;
    case WM_LBUTTONDOWN: impl->pressed = true; return 0;
    case WM_LBUTTONUP:
        if (impl->pressed && impl->mouse.click) {
            impl->pressed = false;
            impl->mouse.click();
        }
        impl->pressed = false;
        return 0;
    case WM_MOUSEMOVE:
        if (impl->mouse.move)
            impl->mouse.move(0, ModifierState(), 0, 0);
        return 0;
    case WM_NCDESTROY: impl->hwnd = nullptr; break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD StyleFor(Border border)
{
    // Controls paint what lies behind them themselves (PaintBehind), so the window leaves them out.
    const DWORD frame = border == Border::Fixed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : WS_POPUP;
    return frame | WS_CLIPCHILDREN;
}

}  // namespace

void RegisterGameWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = GameWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = GameWindowClass;
    RegisterClassExW(&windowClass);
}

HWND HandleOf(Window& window) { return window.impl().hwnd; }

Window::Window(int clientWidthTwips, int clientHeightTwips, const std::string& caption, Border border)
    : impl_(std::make_unique<Impl>())
{
    StartApplication();
    impl_->bordered = border == Border::Fixed;
    RECT frame{0, 0, ToPixels(clientWidthTwips), ToPixels(clientHeightTwips)};
    AdjustWindowRectEx(&frame, StyleFor(border), FALSE, 0);
    impl_->hwnd =
        CreateWindowExW(0, GameWindowClass, Wide(caption).c_str(), StyleFor(border), 0, 0, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(impl_->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl_.get()));
    SetIcon("icon");
}

Window::~Window() = default;

// An owned window stays above its owner and has no taskbar button of its own.
void Window::SetOwner(Window& owner)
{
    SetWindowLongPtrW(impl_->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(HandleOf(owner)));
}

void Window::Show()
{
    ShowWindow(impl_->hwnd, SW_SHOW);
    SetForegroundWindow(impl_->hwnd);
    SetFocus(impl_->hwnd);
}

namespace {

// The game's other windows that take input now; a modal window turns them off meanwhile.
std::vector<HWND> EnabledGameWindows(HWND except)
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) {
            auto& found = *reinterpret_cast<std::vector<HWND>*>(list);
            if (ImplOf(hwnd) && IsWindowEnabled(hwnd))
                found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::erase(windows, except);
    return windows;
}

}  // namespace

void Window::ShowModal()
{
    HWND hwnd = impl_->hwnd;
    const std::vector<HWND> others = EnabledGameWindows(hwnd);
    for (HWND other : others)
        EnableWindow(other, FALSE);
    Show();
    // The window may be hidden or destroyed by the handlers that run meanwhile.
    while (IsWindow(hwnd) && IsWindowVisible(hwnd))
        WaitForEvents();
    for (HWND other : others)
        if (IsWindow(other))
            EnableWindow(other, TRUE);
}

void Window::Hide() { ShowWindow(impl_->hwnd, SW_HIDE); }
bool Window::IsVisible() const { return impl_->hwnd && IsWindowVisible(impl_->hwnd); }

void Window::SetCaption(const std::string& caption) { SetWindowTextW(impl_->hwnd, Wide(caption).c_str()); }

std::string Window::Caption() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(impl_->hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(impl_->hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Window::SetBackColour(Colour colour)
{
    if (impl_->background)
        DeleteObject(impl_->background);
    impl_->background = CreateSolidBrush(ToColorRef(colour));
    RedrawWindow(impl_->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Window::SetPicture(const std::string& resourceName)
{
    SharedPicture picture = ReadScaledResourcePicture(resourceName);
    if (!picture)
        return false;
    impl_->picture = std::move(picture);
    RedrawWindow(impl_->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

ScreenPoint Window::ScreenPointAt(int xTwips, int yTwips) const
{
    POINT point{ToPixels(xTwips), ToPixels(yTwips)};
    ClientToScreen(impl_->hwnd, &point);
    return {point.x, point.y};
}

bool Window::SetIcon(const std::string& resourceName)
{
    HICON icon = ResourceIcon(resourceName);
    if (!icon)
        return false;
    SendMessageW(impl_->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(impl_->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    if (impl_->icon)
        DestroyIcon(impl_->icon);
    impl_->icon = icon;
    return true;
}

namespace {

RECT Frame(HWND hwnd)
{
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    return frame;
}

// A place on the desktop, to the nearest pixel: windows need not sit on the design's pixel grid.
int DesktopPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * WindowScale() / TwipsPerPixel));
}

}  // namespace

int Window::Left() const { return ToTwips(Frame(impl_->hwnd).left); }
int Window::Top() const { return ToTwips(Frame(impl_->hwnd).top); }
int Window::Width() const
{
    const RECT frame = Frame(impl_->hwnd);
    return ToTwips(frame.right - frame.left);
}
int Window::Height() const
{
    const RECT frame = Frame(impl_->hwnd);
    return ToTwips(frame.bottom - frame.top);
}

void Window::MoveTo(int left, int top)
{
    SetWindowPos(impl_->hwnd, nullptr, DesktopPixels(left), DesktopPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::OnCloseRequest(std::function<void()> handler) { impl_->closeRequest = std::move(handler); }
void Window::OnKeyPress(std::function<void(int)> handler) { impl_->keyPress = std::move(handler); }
void Window::OnKeyDown(std::function<void(int, int)> handler) { impl_->keyDown = std::move(handler); }
void Window::OnClick(std::function<void()> handler) { impl_->mouse.click = std::move(handler); }

void Window::OnMouseMove(std::function<void()> handler)
{
    impl_->mouse.move = [handler = std::move(handler)](int, int, int, int) { handler(); };
}

void Window::SimulateMouseMove() { SendMessageW(impl_->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)); }

void Window::SimulateCloseBox() { SendMessageW(impl_->hwnd, WM_CLOSE, 0, 0); }

void Window::SimulateKeyPress(int character) { SendMessageW(impl_->hwnd, WM_CHAR, static_cast<WPARAM>(character), 1); }

void Window::SimulateKeyDown(int keyCode, int shift)
{
    WithModifiersHeld(shift, [&] { SendMessageW(impl_->hwnd, WM_KEYDOWN, static_cast<WPARAM>(keyCode), 1); });
}

bool Window::SaveScreenshot(const std::string& path) const { return SaveClientArea(impl_->hwnd, path); }

}  // namespace Platform
