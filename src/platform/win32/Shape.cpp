#include "platform/Shape.h"

#include "platform/Application.h"
#include "platform/win32/Win32Bridge.h"

#include <algorithm>
#include <cstdlib>

namespace Platform {

// A STATIC cut to the shape's outline by a window region, so the window shows through its
// inside and the mouse passes through it (no SS_NOTIFY).
class ShapeWidget : public NativeControl {
public:
    ShapeKind kind = ShapeKind::Rectangle;
    COLORREF colour = 0;
    bool filled = false;
    COLORREF fill = 0;
    int penWidth = 1;
    bool rising = false;  // a line from bottom-left to top-right

    explicit ShapeWidget(Window& window) { CreateChild(*this, window, L"STATIC", SS_OWNERDRAW); }

    void Draw(const DRAWITEMSTRUCT& item) override
    {
        HBRUSH pen = CreateSolidBrush(colour);
        FillRect(item.hDC, &item.rcItem, pen);
        DeleteObject(pen);
        if (filled) {
            HBRUSH inside = CreateSolidBrush(fill);
            HRGN inner = Inner(item.rcItem.right, item.rcItem.bottom);
            FillRgn(item.hDC, inner, inside);
            DeleteObject(inner);
            DeleteObject(inside);
        }
    }

    // Drawn in design pixels: at window scale n every line is n pixels wide.
    void Cut()
    {
        RECT area{};
        GetClientRect(hwnd, &area);
        const int width = area.right, height = area.bottom, pen = penWidth * WindowScale();
        HRGN outline = nullptr;
        if (kind == ShapeKind::Line) {
            // The pen's square swept from one end to the other.
            POINT corners[6] = {{0, 0},  {pen, 0}, {width, height - pen}, {width, height}, {width - pen, height},
                                {0, pen}};
            if (rising)
                for (POINT& corner : corners)
                    corner.x = width - corner.x;
            outline = CreatePolygonRgn(corners, 6, WINDING);
        } else {
            outline = Outer(width, height);
            if (!filled) {
                HRGN inner = Inner(width, height);
                CombineRgn(outline, outline, inner, RGN_DIFF);
                DeleteObject(inner);
            }
        }
        SetWindowRgn(hwnd, outline, TRUE);  // the window owns the region from here
    }

private:
    int Corner(int width, int height) const { return std::min(width, height) / 2; }  // a quarter of the side, twice
    HRGN Outer(int width, int height) const
    {
        return kind == ShapeKind::RoundedRectangle
            ? CreateRoundRectRgn(0, 0, width + 1, height + 1, Corner(width, height), Corner(width, height))
            : CreateRectRgn(0, 0, width, height);
    }
    HRGN Inner(int width, int height) const
    {
        const int pen = penWidth * WindowScale();
        return kind == ShapeKind::RoundedRectangle
            ? CreateRoundRectRgn(pen, pen, width - pen + 1, height - pen + 1, Corner(width, height) - pen,
                                 Corner(width, height) - pen)
            : CreateRectRgn(pen, pen, width - pen, height - pen);
    }
};

struct Shape::Impl {
    ShapeWidget* widget;
};

Shape::Shape(Window& window, ShapeKind kind, int left, int top, int width, int height, Colour colour, int widthPx)
    : Shape(std::unique_ptr<Impl>(new Impl{new ShapeWidget(window)}))
{
    impl_->widget->kind = kind;
    impl_->widget->colour = ToColorRef(colour);
    impl_->widget->penWidth = widthPx;
    if (kind == ShapeKind::Line) {
        impl_->widget->rising = (width < 0) != (height < 0);
        const int x = std::min(left, left + width), y = std::min(top, top + height);
        Move(x, y, std::abs(width) + widthPx * TwipsPerPixel, std::abs(height) + widthPx * TwipsPerPixel);
    } else {
        Move(left, top, width, height);
    }
    impl_->widget->Cut();
}

Shape::Shape(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->widget)),
      impl_(std::move(impl))
{}

Shape::~Shape() = default;  // the control's window goes with the Control

void Shape::SetFillColour(Colour colour)
{
    impl_->widget->filled = true;
    impl_->widget->fill = ToColorRef(colour);
    impl_->widget->Cut();
}

void Shape::SetColour(Colour colour)
{
    impl_->widget->colour = ToColorRef(colour);
    InvalidateRect(impl_->widget->hwnd, nullptr, FALSE);
}

}  // namespace Platform
