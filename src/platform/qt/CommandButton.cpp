#include "platform/CommandButton.h"

#include "platform/Application.h"
#include "platform/Window.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtBridge.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace Platform {

struct CommandButton::Impl {
    ReportingWidget<QPushButton>* button;
};

namespace {

// A button that reports its click through the game's handler. The keyboard presses it as on
// Windows: Space, Enter and the keypad's Enter; the button with the focus wears a dotted frame
// as wide as a pixel of the window scale, so the mark shows at every scale.
class GameButton : public ReportingWidget<QPushButton> {
public:
    using ReportingWidget<QPushButton>::ReportingWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        if (!hasFocus())
            return;
        const int pixel = WindowScale();
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), pixel, Qt::DotLine));
        painter.drawRect(rect().adjusted(3 * pixel, 3 * pixel, -3 * pixel - 1, -3 * pixel - 1));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QPushButton::mousePressEvent(event);
        mouse.Press(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QPushButton::mouseReleaseEvent(event);  // emits clicked(), connected below
    }
};

}  // namespace

CommandButton::CommandButton(Window& window, int left, int top, int width, int height)
    : CommandButton(std::unique_ptr<Impl>(new Impl{new GameButton(WidgetOf(window))}))
{
    Move(left, top, width, height);
}

CommandButton::CommandButton(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->button)),
      impl_(std::move(impl))
{
    ReportingWidget<QPushButton>* button = impl_->button;
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [button] {
        if (button->mouse.click)
            button->mouse.click();
    });
}

CommandButton::~CommandButton() = default;

void CommandButton::SetCaption(const std::string& caption) { impl_->button->setText(ToQt(caption)); }
std::string CommandButton::Caption() const { return FromQt(impl_->button->text()); }

bool CommandButton::ShowsWholeCaption() const
{
    const QPushButton& button = *impl_->button;
    return button.sizeHint().width() <= button.width();
}

void CommandButton::SetFont(const std::string& family, double points, bool bold)
{
    impl_->button->setFont(DesignFont(family, points, bold));
}

}  // namespace Platform
