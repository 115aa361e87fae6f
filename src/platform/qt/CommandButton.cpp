#include "platform/CommandButton.h"

#include "platform/Window.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtBridge.h"

#include <QPushButton>

namespace Platform {

struct CommandButton::Impl {
    ReportingWidget<QPushButton>* button;
};

namespace {

// A button that reports its click through the game's handler; keyboard presses (space) click too.
class GameButton : public ReportingWidget<QPushButton> {
public:
    using ReportingWidget<QPushButton>::ReportingWidget;

protected:
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
