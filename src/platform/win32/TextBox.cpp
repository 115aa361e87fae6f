#include "platform/TextBox.h"

#include "platform/win32/Fonts.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {

// An EDIT control; Japanese comes in through the system's input method as into any edit.
struct EditWindow : NativeControl {
    explicit EditWindow(Window& window)
    {
        CreateChild(*this, window, L"EDIT", ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP, WS_EX_CLIENTEDGE);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), TRUE);
    }
};

struct TextBox::Impl {
    EditWindow* window;
};

TextBox::TextBox(Window& window, int left, int top, int width, int height)
    : TextBox(std::unique_ptr<Impl>(new Impl{new EditWindow(window)}))
{
    Move(left, top, width, height);
}

TextBox::TextBox(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->window)),
      impl_(std::move(impl))
{}

TextBox::~TextBox() = default;  // the control's window goes with the Control

void TextBox::SetText(const std::string& text) { SetWindowTextW(impl_->window->hwnd, Wide(text).c_str()); }

std::string TextBox::Text() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(impl_->window->hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(impl_->window->hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void TextBox::SetFocus() { ::SetFocus(impl_->window->hwnd); }

// As an input method hands over a finished word: it goes in where the cursor is.
void TextBox::SimulateTyping(const std::string& text)
{
    const std::wstring wide = Wide(text);
    SendMessageW(impl_->window->hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TextBox::SetFont(const std::string& family, double points, bool bold)
{
    SendMessageW(impl_->window->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DesignFont(family, points, bold)), TRUE);
}

}  // namespace Platform
