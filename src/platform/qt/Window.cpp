#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/qt/QtBridge.h"
#include "platform/qt/ResourcePicture.h"
#include "platform/qt/ScaledPicture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <cmath>

namespace Platform {
namespace {

// The frame the window manager last gave a bordered window, beyond its client area; Windows'
// own until one has been seen. A screen is centred while it loads, before it has its frame, so
// it borrows the frame of the screens shown before it.
QMargins& LastFrameSeen()
{
    static QMargins frame(FrameSidesPx, FrameTitlePx, FrameSidesPx, FrameSidesPx);
    return frame;
}

void RememberFrame(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame != client)
        LastFrameSeen() = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                   frame.right() - client.right(), frame.bottom() - client.bottom());
}

class GameWindow : public ReportingWidget<QWidget> {
public:
    std::function<void()> closeRequest;
    std::function<void(int)> keyPress;
    std::function<void(int, int)> keyDown;
    bool bordered = true;
    QPixmap background;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!background.isNull())
            QPainter(this).drawPixmap(0, 0, background);
    }
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();  // the screen unloads itself when it agrees
        if (closeRequest)
            closeRequest();
    }
    void moveEvent(QMoveEvent* event) override
    {
        QWidget::moveEvent(event);
        if (bordered)
            RememberFrame(*this);  // framing moves the window
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        QPointer<QWidget> guard(this);
        if (keyDown)
            keyDown(event->key(), ModifierState(event->modifiers()));
        if (guard && keyPress && !event->text().isEmpty())
            keyPress(event->text().at(0).unicode());
    }
};

}  // namespace

struct Window::Impl {
    QPointer<GameWindow> widget;
};

namespace {

QPointer<GameWindow> lastShown;

}  // namespace

QWidget* WidgetOf(Window& window) { return window.impl().widget; }

QWidget* ActiveGameWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return lastShown && lastShown->isVisible() ? lastShown.data() : nullptr;
}

Window::Window(int clientWidthTwips, int clientHeightTwips, const std::string& caption, Border border)
    : impl_(std::make_unique<Impl>())
{
    StartApplication();
    auto* widget = new GameWindow;
    impl_->widget = widget;
    widget->bordered = border == Border::Fixed;
    Qt::WindowFlags flags = border == Border::Fixed ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint
                                                    : Qt::Window | Qt::FramelessWindowHint;
    widget->setWindowFlags(flags);
    widget->setFixedSize(ToPixels(clientWidthTwips), ToPixels(clientHeightTwips));
    widget->setWindowTitle(ToQt(caption));
    // The window takes the keys when none of its controls can, but a click on its background
    // leaves the focus on the button that has it, as a form does on Windows.
    widget->setFocusPolicy(Qt::TabFocus);
    SetIcon("icon");
}

Window::~Window() { delete impl_->widget.data(); }

void Window::SetOwner(Window& owner)
{
    GameWindow* widget = impl_->widget;
    QWidget* ownerWidget = WidgetOf(owner);
    // A dialog's type: only a dialog is kept with its owner by the window system (transient for
    // it). No parent widget, so either window can go first.
    widget->setWindowFlags((widget->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    widget->winId();
    ownerWidget->winId();
    widget->windowHandle()->setTransientParent(ownerWidget->windowHandle());
}

void Window::Show()
{
    lastShown = impl_->widget;
    impl_->widget->show();
    impl_->widget->raise();
    impl_->widget->activateWindow();
}

void Window::ShowModal()
{
    QPointer<GameWindow> widget = impl_->widget;
    widget->setWindowModality(Qt::ApplicationModal);
    Show();
    while (widget && widget->isVisible())
        WaitForEvents();
}

void Window::Hide() { impl_->widget->hide(); }
bool Window::IsVisible() const { return impl_->widget && impl_->widget->isVisible(); }

void Window::SetCaption(const std::string& caption) { impl_->widget->setWindowTitle(ToQt(caption)); }
std::string Window::Caption() const { return FromQt(impl_->widget->windowTitle()); }

void Window::SetBackColour(Colour colour)
{
    QPalette palette = impl_->widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    impl_->widget->setPalette(palette);
    impl_->widget->setAutoFillBackground(true);
}

bool Window::SetPicture(const std::string& resourceName)
{
    QPixmap pixmap = ReadScaledPicture(ResourcePicturePath(resourceName));
    if (pixmap.isNull())
        return false;
    impl_->widget->background = pixmap;
    impl_->widget->update();
    return true;
}

ScreenPoint Window::ScreenPointAt(int xTwips, int yTwips) const
{
    const QPoint point = impl_->widget->mapToGlobal(QPoint(ToPixels(xTwips), ToPixels(yTwips)));
    return {point.x(), point.y()};
}

bool Window::SetIcon(const std::string& resourceName)
{
    QPixmap pixmap = ResourcePixmap(resourceName);
    if (pixmap.isNull())
        return false;
    impl_->widget->setWindowIcon(QIcon(pixmap));
    return true;
}

namespace {

QRect Frame(const GameWindow* widget)
{
    const QRect frame = widget->frameGeometry();
    if (widget->bordered && frame.size() == widget->size())  // no frame known yet
        return QRect(widget->pos(), widget->size().grownBy(LastFrameSeen()));
    return frame;
}

}  // namespace

int Window::Left() const { return ToTwips(Frame(impl_->widget).x()); }
int Window::Top() const { return ToTwips(Frame(impl_->widget).y()); }
int Window::Width() const { return ToTwips(Frame(impl_->widget).width()); }
int Window::Height() const { return ToTwips(Frame(impl_->widget).height()); }

namespace {

// A place on the desktop, to the nearest pixel: windows need not sit on the design's pixel grid.
int DesktopPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * WindowScale() / TwipsPerPixel));
}

}  // namespace

void Window::MoveTo(int left, int top) { impl_->widget->move(DesktopPixels(left), DesktopPixels(top)); }

void Window::OnCloseRequest(std::function<void()> handler) { impl_->widget->closeRequest = std::move(handler); }
void Window::OnKeyPress(std::function<void(int)> handler) { impl_->widget->keyPress = std::move(handler); }
void Window::OnKeyDown(std::function<void(int, int)> handler) { impl_->widget->keyDown = std::move(handler); }
void Window::OnClick(std::function<void()> handler) { impl_->widget->mouse.click = std::move(handler); }

void Window::OnMouseMove(std::function<void()> handler)
{
    impl_->widget->setMouseTracking(true);
    impl_->widget->mouse.move = [handler = std::move(handler)](int, int, int, int) { handler(); };
}

void Window::SimulateMouseMove()
{
    QPointF corner(1, 1);
    QMouseEvent event(QEvent::MouseMove, corner, impl_->widget->mapToGlobal(corner), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(impl_->widget, &event);
}

void Window::SimulateCloseBox()
{
    QCloseEvent event;
    QCoreApplication::sendEvent(impl_->widget, &event);
}

void Window::SimulateKeyPress(int character)
{
    QString text(QChar(static_cast<char16_t>(character)));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(impl_->widget, &press);
}

void Window::SimulateKeyDown(int keyCode, int shift)
{
    QKeyEvent press(QEvent::KeyPress, keyCode, QtModifiers(shift));
    QCoreApplication::sendEvent(impl_->widget, &press);
}

bool Window::SaveScreenshot(const std::string& path) const
{
    return impl_->widget->grab().save(ToQt(path));  // the format follows the extension
}

}  // namespace Platform
