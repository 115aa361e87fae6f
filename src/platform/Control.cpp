#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/QtBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace Platform {

// Watches the widget from the start: the window deletes its child widgets itself and may be
// gone before the control.
struct Control::Guard {
    QPointer<QWidget> widget;
};

Control::Control(QWidget* widget, MouseHandlers* mouse)
    : widget_(widget),
      mouse_(mouse),
      guard_(new Guard{widget})
{
    widget_->show();
}

Control::~Control()
{
    if (guard_->widget)
        guard_->widget->deleteLater();
}

void Control::Move(int left, int top, int width, int height)
{
    widget_->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

int Control::Left() const { return ToTwips(widget_->x()); }
int Control::Top() const { return ToTwips(widget_->y()); }
int Control::Width() const { return ToTwips(widget_->width()); }
int Control::Height() const { return ToTwips(widget_->height()); }

ScreenPoint Control::ScreenCentre() const
{
    const QPoint centre = widget_->mapToGlobal(widget_->rect().center());
    return {centre.x(), centre.y()};
}

void Control::SetVisible(bool visible) { widget_->setVisible(visible); }
bool Control::IsVisible() const { return !widget_->isHidden(); }
void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool Control::IsEnabled() const { return widget_->isEnabled(); }
void Control::SetToolTip(const std::string& text) { widget_->setToolTip(ToQt(text)); }
void Control::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
bool Control::HasFocus() const { return widget_->hasFocus(); }

void Control::OnClick(std::function<void()> handler) { mouse_->click = std::move(handler); }
void Control::OnDoubleClick(std::function<void()> handler) { mouse_->doubleClick = std::move(handler); }
void Control::OnMouseDown(std::function<void(int, int, int, int)> handler) { mouse_->down = std::move(handler); }
void Control::OnMouseMove(std::function<void(int, int, int, int)> handler)
{
    widget_->setMouseTracking(true);  // moves without a button held count too
    mouse_->move = std::move(handler);
}

namespace {

Qt::MouseButton QtButton(int button)
{
    switch (button) {
    case 2: return Qt::RightButton;
    case 4: return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

void Send(QWidget* widget, QEvent::Type type, int button, int shift)
{
    QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QPointF global = widget->mapToGlobal(centre);
    Qt::MouseButton qtButton = button == 0 ? Qt::NoButton : QtButton(button);
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(qtButton);
    QMouseEvent event(type, centre, global, qtButton, held, QtModifiers(shift));
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void Control::SimulateClick()
{
    // A disabled or hidden control takes no clicks, as on the screen.
    if (!widget_->isEnabled() || !widget_->isVisible())
        return;
    QPointer<QWidget> guard(widget_);
    Send(widget_, QEvent::MouseButtonPress, 1, 0);
    if (guard)
        Send(guard, QEvent::MouseButtonRelease, 1, 0);
}

void Control::SimulateDoubleClick(int shift)
{
    // The second press of a double-click, as the window system reports it after the first click.
    SimulateMouseDown(LeftButton, shift);
    if (widget_->isEnabled() && widget_->isVisible())
        Send(widget_, QEvent::MouseButtonDblClick, LeftButton, shift);
}

void Control::SimulateMouseMove(int shift)
{
    if (widget_->isEnabled() && widget_->isVisible())
        Send(widget_, QEvent::MouseMove, 0, shift);
}

void Control::SimulateKey(Key key)
{
    const int code = key == Key::Enter ? Qt::Key_Return : key == Key::KeypadEnter ? Qt::Key_Enter : Qt::Key_Space;
    const Qt::KeyboardModifiers keypad = key == Key::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier;
    const QString text = key == Key::Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QPointer<QWidget> guard(widget_);
    QKeyEvent press(QEvent::KeyPress, code, keypad, text);
    QApplication::sendEvent(widget_, &press);
    if (!guard)
        return;
    QKeyEvent release(QEvent::KeyRelease, code, keypad, text);
    QApplication::sendEvent(widget_, &release);
}

void Control::SimulateMouseDown(int button, int shift)
{
    if (!widget_->isEnabled() || !widget_->isVisible())
        return;
    QPointer<QWidget> guard(widget_);
    Send(widget_, QEvent::MouseButtonPress, button, shift);
    if (guard)
        Send(guard, QEvent::MouseButtonRelease, button, shift);
}

}  // namespace Platform
