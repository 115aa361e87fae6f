#pragma once
// Inside the platform layer only: the Qt side of windows and controls.
#include "platform/Colour.h"
#include "platform/Control.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

class QMouseEvent;

namespace Platform {

class Window;

QWidget* WidgetOf(Window& window);
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);
int ModifierState(Qt::KeyboardModifiers modifiers);
// The other way: Shift = 1, Ctrl = 2, Alt = 4 as Qt modifiers (for simulated input).
Qt::KeyboardModifiers QtModifiers(int shift);
int ButtonCode(Qt::MouseButton button);

// Mouse callbacks shared by every control.
struct MouseHandlers {
    std::function<void()> click;
    std::function<void()> doubleClick;
    std::function<void(int button, int shift, int x, int y)> down;
    std::function<void(int button, int shift, int x, int y)> move;

    void Press(QMouseEvent* event);
    void Release(QWidget* widget, QMouseEvent* event);
    void Move(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);
};

// A Qt widget class that reports its mouse events to the game.
template <typename Base>
class ReportingWidget : public Base {
public:
    using Base::Base;
    MouseHandlers mouse;

protected:
    void mousePressEvent(QMouseEvent* event) override { mouse.Press(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { mouse.Release(this, event); }
    void mouseMoveEvent(QMouseEvent* event) override { mouse.Move(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mouse.DoubleClick(event); }
};

// The widget behind a control and the mouse handlers it reports to. The window deletes its child
// widgets itself and may be gone before the control, so the widget is watched.
struct Control::Impl {
    template <typename Base>
    explicit Impl(ReportingWidget<Base>* reporting)
        : widget(reporting),
          mouse(reporting->mouse)
    {}
    QPointer<QWidget> widget;
    MouseHandlers& mouse;
};

}  // namespace Platform
