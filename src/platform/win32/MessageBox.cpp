#include "platform/MessageBox.h"

#include "platform/Application.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Win32Bridge.h"

#include <algorithm>
#include <string>
#include <vector>

namespace Platform {
namespace {

MessageBoxHook hook;
HHOOK captionHook = nullptr;

// The parts of a message box, by their ids in the box.
constexpr int TextId = 0xFFFF;
constexpr int IconId = 0x0440;
constexpr int ButtonIds[] = {IDOK, IDYES, IDNO, IDCANCEL};

std::wstring TextOf(HWND control)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

SIZE Place(HWND control, int left, int top, int width, int height)
{
    SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return {width, height};
}

// The system sized the box for its own font: it is laid out again for the game's, which is
// larger, so the text and the buttons' captions show whole at every window scale. The box keeps
// its middle, where the system centred it over its owner.
void LayOut(HWND box)
{
    HDC dc = GetDC(box);
    HGDIOBJ before = SelectObject(dc, DefaultFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight;
    const int margin = line;

    HWND text = GetDlgItem(box, TextId);
    RECT textSize{0, 0, 40 * line, 0};
    const std::wstring words = TextOf(text);
    DrawTextW(dc, words.c_str(), -1, &textSize, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    std::vector<HWND> buttons;
    int buttonWidth = 4 * line;
    for (int id : ButtonIds)
        if (HWND button = GetDlgItem(box, id)) {
            buttons.push_back(button);
            const std::wstring caption = TextOf(button);
            SIZE size{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            buttonWidth = std::max(buttonWidth, static_cast<int>(size.cx) + 2 * line);
        }
    SelectObject(dc, before);
    ReleaseDC(box, dc);

    RECT iconRect{};
    HWND icon = GetDlgItem(box, IconId);
    if (icon)
        GetWindowRect(icon, &iconRect);
    const int iconWidth = icon ? iconRect.right - iconRect.left : 0;
    const int iconHeight = icon ? iconRect.bottom - iconRect.top : 0;
    const int textLeft = margin + (icon ? iconWidth + margin : 0);
    const int buttonHeight = line * 7 / 4;
    const int gap = line / 2;
    const int count = static_cast<int>(buttons.size());
    const int row = count * buttonWidth + std::max(0, count - 1) * gap;
    const int width = std::max(textLeft + static_cast<int>(textSize.right) + margin, row + 2 * margin);
    const int buttonsTop = margin + std::max(iconHeight, static_cast<int>(textSize.bottom)) + margin;

    // The box grows first: Wine leaves a child moved outside its parent's old size undrawn.
    RECT frame{0, 0, width, buttonsTop + buttonHeight + margin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)));
    RECT now{};
    GetWindowRect(box, &now);
    const int boxWidth = frame.right - frame.left;
    const int boxHeight = frame.bottom - frame.top;
    SetWindowPos(box, nullptr, (now.left + now.right - boxWidth) / 2, (now.top + now.bottom - boxHeight) / 2, boxWidth,
                 boxHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (icon)
        Place(icon, margin, margin, iconWidth, iconHeight);
    Place(text, textLeft, margin, textSize.right, textSize.bottom);
    for (int i = 0; i < count; ++i)
        Place(buttons[static_cast<size_t>(i)], (width - row) / 2 + i * (buttonWidth + gap), buttonsTop, buttonWidth,
              buttonHeight);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// The box's buttons carry the game's Japanese captions and its text the game's font, on any
// Windows: set once the system has made the box up, before it is first shown.
LRESULT CALLBACK JapaneseButtons(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        HWND box = call->hwnd;
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
        LayOut(box);
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
    captionHook = SetWindowsHookExW(WH_CALLWNDPROCRET, JapaneseButtons, nullptr, GetCurrentThreadId());
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
