#include "platform/CommandButton.h"

#include "platform/Application.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {

// A BUTTON; its click comes as the button reports it (mouse or space bar), once.
struct ButtonWindow : NativeControl {
    explicit ButtonWindow(Window& window)
    {
        CreateChild(*this, window, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), TRUE);
    }
    void Notify(int code) override
    {
        if (code == BN_CLICKED && mouse.click)
            mouse.click();
    }
    bool ClicksThroughNotification() const override { return true; }
};

struct CommandButton::Impl {
    ButtonWindow* window;
};

CommandButton::CommandButton(Window& window, int left, int top, int width, int height)
    : CommandButton(std::unique_ptr<Impl>(new Impl{new ButtonWindow(window)}))
{
    Move(left, top, width, height);
}

CommandButton::CommandButton(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->window)),
      impl_(std::move(impl))
{}

CommandButton::~CommandButton() = default;  // the control's window goes with the Control

void CommandButton::SetCaption(const std::string& caption)
{
    SetWindowTextW(impl_->window->hwnd, Wide(caption).c_str());
}

std::string CommandButton::Caption() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(impl_->window->hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(impl_->window->hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// The caption and the button's edge and focus frame, three pixels a side at scale 1.
bool CommandButton::ShowsWholeCaption() const
{
    std::wstring text = Wide(Caption());
    HDC dc = GetDC(impl_->window->hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(impl_->window->hwnd, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(impl_->window->hwnd, dc);
    RECT area{};
    GetClientRect(impl_->window->hwnd, &area);
    return size.cx + 6 * WindowScale() <= area.right;
}

void CommandButton::SetFont(const std::string& family, double points, bool bold)
{
    SendMessageW(impl_->window->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DesignFont(family, points, bold)), TRUE);
}

}  // namespace Platform
