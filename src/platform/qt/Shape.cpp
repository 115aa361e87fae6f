#include "platform/Shape.h"

#include "platform/Application.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"

#include <QPainter>
#include <algorithm>

namespace Platform {

namespace {

class ShapeWidget : public ReportingWidget<QWidget> {
public:
    using ReportingWidget<QWidget>::ReportingWidget;
    ShapeKind kind = ShapeKind::Rectangle;
    QColor colour;
    QColor fill = Qt::transparent;
    int penWidth = 1;
    bool rising = false;  // a line from bottom-left to top-right

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Drawn in design pixels; at window scale n every line is n pixels wide.
        QPainter painter(this);
        const int scale = WindowScale();
        painter.scale(scale, scale);
        const int width = this->width() / scale, height = this->height() / scale;
        painter.setRenderHint(QPainter::Antialiasing, kind == ShapeKind::RoundedRectangle);
        painter.setPen(QPen(colour, penWidth));
        painter.setBrush(fill);
        const QRectF box(0.5, 0.5, width - 1.0, height - 1.0);
        const double corner = std::min(width, height) / 4.0;
        if (kind == ShapeKind::Rectangle)
            painter.drawRect(box);
        else if (kind == ShapeKind::RoundedRectangle)
            painter.drawRoundedRect(box, corner, corner);
        else if (rising)
            painter.drawLine(0, height - 1, width - 1, 0);
        else
            painter.drawLine(0, 0, width - 1, height - 1);
    }
};

}  // namespace

struct Shape::Impl {
    ShapeWidget* widget;
};

Shape::Shape(Window& window, ShapeKind kind, int left, int top, int width, int height, Colour colour, int widthPx)
    : Shape(std::unique_ptr<Impl>(new Impl{new ShapeWidget(WidgetOf(window))}))
{
    ShapeWidget* widget = impl_->widget;
    widget->kind = kind;
    widget->colour = ToQColor(colour);
    widget->penWidth = widthPx;
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (kind == ShapeKind::Line) {
        widget->rising = (width < 0) != (height < 0);
        const int x = std::min(left, left + width), y = std::min(top, top + height);
        Move(x, y, std::abs(width) + widthPx * TwipsPerPixel, std::abs(height) + widthPx * TwipsPerPixel);
    } else {
        Move(left, top, width, height);
    }
}

Shape::Shape(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->widget)),
      impl_(std::move(impl))
{}

Shape::~Shape() = default;

void Shape::SetFillColour(Colour colour)
{
    impl_->widget->fill = ToQColor(colour);
    impl_->widget->update();
}

void Shape::SetColour(Colour colour)
{
    impl_->widget->colour = ToQColor(colour);
    impl_->widget->update();
}

}  // namespace Platform
