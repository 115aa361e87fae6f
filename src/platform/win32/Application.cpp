#include "platform/Application.h"

#include "platform/Sound.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/PlayersFolder.h"
#include "platform/win32/Win32Bridge.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <objbase.h>
#include <utility>
#include <vector>

namespace Platform {
namespace {

std::function<void()> idleHook;
int windowScale = 1;
HWND messageWindow = nullptr;
constexpr UINT RunDeferred = WM_APP + 1;
std::deque<std::function<void()>> deferred;

// Objects kept until the message handling that asked for it has returned: the depth of nested
// message dispatches at the time, 0 outside any.
int dispatchDepth = 0;
// Messages dispatched so far.
unsigned long dispatched = 0;
std::vector<std::pair<int, std::shared_ptr<void>>> kept;

LRESULT CALLBACK MessageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        TickTimer(wParam);
        return 0;
    }
    if (message == RunDeferred) {
        if (!deferred.empty()) {
            std::function<void()> action = std::move(deferred.front());
            deferred.pop_front();
            action();
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Per-monitor awareness: the game places and draws in the screen's own pixels and picks its
// whole-number scale from them, so nothing is stretched by the system.
void BecomeDpiAware()
{
    using SetContext = BOOL(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto setContext =
        reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (!setContext || !setContext(reinterpret_cast<HANDLE>(-4)))  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
        SetProcessDPIAware();
}

// Lets go of the kept objects whose depth matches; they are destroyed after the list is
// consistent again, since a screen going may ask to keep another.
template <typename Going>
void Release(Going going)
{
    std::vector<std::shared_ptr<void>> released;
    for (auto entry = kept.begin(); entry != kept.end();) {
        if (going(entry->first)) {
            released.push_back(std::move(entry->second));
            entry = kept.erase(entry);
        } else {
            ++entry;
        }
    }
}

void Dispatch(MSG& message)
{
    TranslateMessage(&message);
    ++dispatchDepth;
    ++dispatched;
    DispatchMessageW(&message);
    --dispatchDepth;
    // What a handler asked to keep may go once that handler has returned; what was asked for
    // outside any handler goes once the loop is back at the top.
    Release([](int depth) { return depth > dispatchDepth || dispatchDepth == 0; });
}

void ReleaseKeptOutsideHandlers()
{
    if (dispatchDepth == 0)
        Release([](int depth) { return depth == 0; });
}

}  // namespace

HWND MessageWindow() { return messageWindow; }

void StartApplication()
{
    if (messageWindow)
        return;
    BecomeDpiAware();
    EnterPlayersFolder();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    LoadGameFonts();
    RegisterGameWindowClass();
    WNDCLASSW messages{};
    messages.lpfnWndProc = MessageWindowProc;
    messages.hInstance = GetModuleHandleW(nullptr);
    messages.lpszClassName = L"Velmoor2.Messages";
    RegisterClassW(&messages);
    messageWindow = CreateWindowExW(0, messages.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    messages.hInstance, nullptr);
}

void SetWindowScale(int scale) { windowScale = std::clamp(scale, 1, 4); }

int WindowScale() { return windowScale; }

int ToPixels(int twips) { return windowScale * ((twips + TwipsPerPixel / 2) / TwipsPerPixel); }

int ToTwips(int pixels) { return (pixels * TwipsPerPixel + windowScale / 2) / windowScale; }

namespace {

ScreenRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

MONITORINFO PrimaryMonitor()
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info;
}

}  // namespace

// The program is aware of each screen's resolution and works in its real pixels, so the desktop
// adds no ratio of its own: the window scale alone makes the game larger on a dense screen.
ScreenArea OpeningScreen()
{
    StartApplication();
    const MONITORINFO monitor = PrimaryMonitor();
    ScreenArea area;
    area.whole = FromRect(monitor.rcMonitor);
    area.available = FromRect(monitor.rcWork);
    if (area.whole.width <= 0)
        area.whole = area.available = {0, 0, 1024, 768};
    return area;
}

int RunEventLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
    return static_cast<int>(message.wParam);
}

void PumpEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(message);
    }
    ReleaseKeptOutsideHandlers();
}

void WaitForEvents()
{
    // Messages handled inside the idle hook are the events waited for: the caller looks again at
    // what it waits for, as a move that pumps (the logo's last step hides it) may have ended the
    // wait, and nothing else would come to wake it.
    const unsigned long dispatchedBefore = dispatched;
    if (idleHook)
        idleHook();
    if (dispatched != dispatchedBefore) {
        PumpEvents();
        return;
    }
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
        WaitMessage();
    PumpEvents();
}

void EndProgram()
{
    StopMusic();
    std::fflush(nullptr);
    ExitProcess(0);
}

void SetIdleHook(std::function<void()> hook) { idleHook = std::move(hook); }

void Defer(std::function<void()> action)
{
    StartApplication();
    deferred.push_back(std::move(action));
    PostMessageW(messageWindow, RunDeferred, 0, 0);
}

void ReleaseLater(std::shared_ptr<void> object) { kept.emplace_back(dispatchDepth, std::move(object)); }

void Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

int DisplayWidthTwips() { return ToTwips(OpeningScreen().whole.width); }

int DisplayHeightTwips() { return ToTwips(OpeningScreen().whole.height); }

}  // namespace Platform
