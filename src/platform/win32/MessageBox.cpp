#include "platform/MessageBox.h"

#include "platform/Application.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {
namespace {

MessageBoxHook hook;
HHOOK captionHook = nullptr;

// The box's buttons carry the game's Japanese captions and its text the game's font, on any
// Windows: set while the box is being activated, before it is first drawn.
LRESULT CALLBACK JapaneseButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextW(box, IDOK, L"OK");
        SetDlgItemTextW(box, IDYES, L"はい(&Y)");
        SetDlgItemTextW(box, IDNO, L"いいえ(&N)");
        SetDlgItemTextW(box, IDCANCEL, L"キャンセル");
        EnumChildWindows(
            box,
            [](HWND child, LPARAM) {
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), TRUE);
                return TRUE;
            },
            0);
        UnhookWindowsHookEx(captionHook);
        captionHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The box belongs to its owner, or else to the game's window in front, which it keeps from input
// meanwhile.
HWND Owner(Window* owner)
{
    if (owner)
        return HandleOf(*owner);
    HWND active = GetActiveWindow();
    return active && IsWindowVisible(active) ? active : nullptr;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook newHook) { hook = std::move(newHook); }

int ShowMessageBox(const std::string& text, int flags, const std::string& title, Window* owner)
{
    if (hook)
        return hook(text, flags, title);
    StartApplication();
    captionHook = SetWindowsHookExW(WH_CBT, JapaneseButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(Owner(owner), Wide(text).c_str(), Wide(title).c_str(), static_cast<UINT>(flags));
    if (captionHook) {
        UnhookWindowsHookEx(captionHook);
        captionHook = nullptr;
    }
    switch (answer) {
    case IDYES: return AnswerYes;
    case IDNO: return AnswerNo;
    case IDCANCEL: return AnswerCancel;
    default: return AnswerOk;
    }
}

}  // namespace Platform
