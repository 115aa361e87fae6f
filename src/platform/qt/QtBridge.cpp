#include "platform/qt/QtBridge.h"

#include "platform/Application.h"
#include "platform/Input.h"

#include <QMouseEvent>

namespace Platform {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QColor ToQColor(Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

Colour FromQColor(const QColor& colour) { return Rgb(colour.red(), colour.green(), colour.blue()); }

int ModifierState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ShiftKey;
    if (modifiers & Qt::ControlModifier)
        shift |= CtrlKey;
    if (modifiers & Qt::AltModifier)
        shift |= AltKey;
    return shift;
}

Qt::KeyboardModifiers QtModifiers(int shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & ShiftKey)
        modifiers |= Qt::ShiftModifier;
    if (shift & CtrlKey)
        modifiers |= Qt::ControlModifier;
    if (shift & AltKey)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

int ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

namespace {
int Twips(qreal pixels) { return static_cast<int>(pixels * TwipsPerPixel / WindowScale()); }
}  // namespace

void MouseHandlers::Press(QMouseEvent* event)
{
    if (down)
        down(ButtonCode(event->button()), ModifierState(event->modifiers()), Twips(event->position().x()),
             Twips(event->position().y()));
}

void MouseHandlers::Release(QWidget* widget, QMouseEvent* event)
{
    // A click is a left press and release over the control, as the player expects.
    if (event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint()) && click)
        click();
}

void MouseHandlers::Move(QMouseEvent* event)
{
    if (move)
        move(ButtonCode(event->button()), ModifierState(event->modifiers()), Twips(event->position().x()),
             Twips(event->position().y()));
}

void MouseHandlers::DoubleClick(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && doubleClick)
        doubleClick();
}

}  // namespace Platform
