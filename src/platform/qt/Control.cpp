#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Input.h"
#include "platform/qt/QtBridge.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace Platform {

Control::Control(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl))
{
    impl_->widget->show();
}

Control::~Control()
{
    if (impl_->widget)
        impl_->widget->deleteLater();
}

void Control::Move(int left, int top, int width, int height)
{
    impl_->widget->setGeometry(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

int Control::Left() const { return ToTwips(impl_->widget->x()); }
int Control::Top() const { return ToTwips(impl_->widget->y()); }
int Control::Width() const { return ToTwips(impl_->widget->width()); }
int Control::Height() const { return ToTwips(impl_->widget->height()); }

ScreenPoint Control::ScreenCentre() const
{
    const QPoint centre = impl_->widget->mapToGlobal(impl_->widget->rect().center());
    return {centre.x(), centre.y()};
}

void Control::SetVisible(bool visible) { impl_->widget->setVisible(visible); }
bool Control::IsVisible() const { return !impl_->widget->isHidden(); }
void Control::SetEnabled(bool enabled) { impl_->widget->setEnabled(enabled); }
bool Control::IsEnabled() const { return impl_->widget->isEnabled(); }
void Control::SetToolTip(const std::string& text) { impl_->widget->setToolTip(ToQt(text)); }

void Control::OnClick(std::function<void()> handler) { impl_->mouse.click = std::move(handler); }
void Control::OnDoubleClick(std::function<void()> handler) { impl_->mouse.doubleClick = std::move(handler); }
void Control::OnMouseDown(std::function<void(int, int, int, int)> handler) { impl_->mouse.down = std::move(handler); }
void Control::OnMouseMove(std::function<void(int, int, int, int)> handler)
{
    impl_->widget->setMouseTracking(true);  // moves without a button held count too
    impl_->mouse.move = std::move(handler);
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
    if (!impl_->widget->isEnabled() || !impl_->widget->isVisible())
        return;
    QPointer<QWidget> guard(impl_->widget);
    Send(impl_->widget, QEvent::MouseButtonPress, 1, 0);
    if (guard)
        Send(guard, QEvent::MouseButtonRelease, 1, 0);
}

void Control::SimulateDoubleClick(int shift)
{
    // The second press of a double-click, as the window system reports it after the first click.
    SimulateMouseDown(LeftButton, shift);
    if (impl_->widget->isEnabled() && impl_->widget->isVisible())
        Send(impl_->widget, QEvent::MouseButtonDblClick, LeftButton, shift);
}

void Control::SimulateMouseMove(int shift)
{
    if (impl_->widget->isEnabled() && impl_->widget->isVisible())
        Send(impl_->widget, QEvent::MouseMove, 0, shift);
}

void Control::SimulateMouseDown(int button, int shift)
{
    if (!impl_->widget->isEnabled() || !impl_->widget->isVisible())
        return;
    QPointer<QWidget> guard(impl_->widget);
    Send(impl_->widget, QEvent::MouseButtonPress, button, shift);
    if (guard)
        Send(guard, QEvent::MouseButtonRelease, button, shift);
}

}  // namespace Platform
