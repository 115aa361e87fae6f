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

Shape::Shape(Window& window, ShapeKind kind, int left, int top, int width, int height, Colour colour, int widthPx)
    : Control(AsSeamWidget(new ShapeWidget(window)), nullptr),
      widget_(static_cast<ShapeWidget*>(FromSeamWidget(widget())))
{
    widget_->kind = kind;
    widget_->colour = ToColorRef(colour);
    widget_->penWidth = widthPx;
    if (kind == ShapeKind::Line) {
        widget_->rising = (width < 0) != (height < 0);
        const int x = std::min(left, left + width), y = std::min(top, top + height);
        Move(x, y, std::abs(width) + widthPx * TwipsPerPixel, std::abs(height) + widthPx * TwipsPerPixel);
    } else {
        Move(left, top, width, height);
    }
    widget_->Cut();
}

Shape::~Shape() = default;  // the control's window goes with the Control

void Shape::SetFillColour(Colour colour)
{
    widget_->filled = true;
    widget_->fill = ToColorRef(colour);
    widget_->Cut();
}

void Shape::SetColour(Colour colour)
{
    widget_->colour = ToColorRef(colour);
    InvalidateRect(widget_->hwnd, nullptr, FALSE);
}

}  // namespace Platform
