#include "platform/Label.h"

#include "platform/win32/Fonts.h"
#include "platform/win32/TextLayout.h"
#include "platform/win32/Win32Bridge.h"

#include <algorithm>

namespace Platform {

// A STATIC control the label draws itself, so that its lines break as the game's Japanese
// needs and it can lie transparent over the window's picture.
struct LabelWindow : NativeControl {
    std::wstring caption;
    Colour fore = 0;
    Colour back = GetSysColor(COLOR_BTNFACE);
    HBRUSH backBrush = nullptr;  // opaque once a back colour is set
    Alignment alignment = Alignment::Left;
    bool centredVertically = false;
    HFONT font = DefaultFont();

    explicit LabelWindow(Window& window) { CreateChild(*this, window, L"STATIC", SS_OWNERDRAW | SS_NOTIFY); }
    ~LabelWindow() override
    {
        if (backBrush)
            DeleteObject(backBrush);
    }

    int ClientWidth() const
    {
        RECT area{};
        GetClientRect(hwnd, &area);
        return area.right;
    }
    int ClientHeight() const
    {
        RECT area{};
        GetClientRect(hwnd, &area);
        return area.bottom;
    }

    // The caption's lines and where the first one starts, as drawn.
    template <typename Use>
    void Lay(HDC dc, Use use) const
    {
        HGDIOBJ old = SelectObject(dc, font);
        const std::vector<TextLine> lines = LayOutLines(dc, caption, ClientWidth());
        const int lineHeight = LineHeight(dc);
        const int height = lineHeight * static_cast<int>(lines.size());
        const int top = centredVertically ? (ClientHeight() - height) / 2 : 0;
        use(dc, lines, top, lineHeight);
        SelectObject(dc, old);
    }

    void Draw(const DRAWITEMSTRUCT& item) override
    {
        HDC dc = item.hDC;
        if (backBrush)
            FillRect(dc, &item.rcItem, backBrush);
        else
            PaintBehind(hwnd, dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(fore));
        Lay(dc, [&](HDC lineDc, const std::vector<TextLine>& lines, int top, int lineHeight) {
            for (const TextLine& line : lines) {
                const int left = alignment == Alignment::Right ? ClientWidth() - line.width
                    : alignment == Alignment::Centre           ? (ClientWidth() - line.width) / 2
                                                               : 0;
                TextOutW(lineDc, left, top, line.text.data(), static_cast<int>(line.text.size()));
                top += lineHeight;
            }
        });
    }
};

struct Label::Impl {
    LabelWindow* window;
};

Label::Label(Window& window, int left, int top, int width, int height)
    : Label(std::unique_ptr<Impl>(new Impl{new LabelWindow(window)}))
{
    Move(left, top, width, height);
}

Label::Label(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->window)),
      impl_(std::move(impl))
{}

Label::~Label() = default;  // the control's window goes with the Control

void Label::SetCaption(const std::string& caption)
{
    impl_->window->caption = Wide(caption);
    SetWindowTextW(impl_->window->hwnd, impl_->window->caption.c_str());  // for the screen reader and tests
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

std::string Label::Caption() const { return Narrow(impl_->window->caption); }

void Label::SetForeColour(Colour colour)
{
    impl_->window->fore = colour;
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

Colour Label::ForeColour() const { return impl_->window->fore; }
Colour Label::BackColour() const { return impl_->window->back; }

void Label::SetBackColour(Colour colour)
{
    impl_->window->back = colour;
    if (impl_->window->backBrush)
        DeleteObject(impl_->window->backBrush);
    impl_->window->backBrush = CreateSolidBrush(ToColorRef(colour));
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

void Label::SetAlignment(Alignment alignment)
{
    impl_->window->alignment = alignment;
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

void Label::SetFont(const std::string& family, double points, bool bold, bool italic)
{
    impl_->window->font = DesignFont(family, points, bold, italic);
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

void Label::CentreVertically()
{
    impl_->window->centredVertically = true;
    InvalidateRect(impl_->window->hwnd, nullptr, FALSE);
}

bool Label::ShowsWholeCaption() const
{
    bool whole = true;
    HDC dc = GetDC(impl_->window->hwnd);
    impl_->window->Lay(dc, [&](HDC, const std::vector<TextLine>& lines, int, int lineHeight) {
        const int height = lineHeight * static_cast<int>(lines.size());
        const int widest = std::max_element(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
                               return a.width < b.width;
                           })->width;
        whole = height <= impl_->window->ClientHeight() && widest <= impl_->window->ClientWidth();
    });
    ReleaseDC(impl_->window->hwnd, dc);
    return whole;
}

Label::LineBox Label::LastLineBox() const
{
    LineBox box{0, 0};
    HDC dc = GetDC(impl_->window->hwnd);
    impl_->window->Lay(dc, [&](HDC, const std::vector<TextLine>& lines, int, int lineHeight) {
        if (!lines.empty() && !impl_->window->caption.empty())
            box = {lineHeight * static_cast<int>(lines.size()), lines.back().width};
    });
    ReleaseDC(impl_->window->hwnd, dc);
    return box;
}

}  // namespace Platform
