#include "platform/TextBox.h"

#include "platform/Window.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtBridge.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace Platform {

struct TextBox::Impl {
    ReportingWidget<QLineEdit>* edit;
};

namespace {

// Mouse handling stays the line edit's own (cursor, selection); the game only listens.
class GameLineEdit : public ReportingWidget<QLineEdit> {
public:
    using ReportingWidget<QLineEdit>::ReportingWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        mouse.Press(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        mouse.Release(this, event);
    }
    void mouseMoveEvent(QMouseEvent* event) override { QLineEdit::mouseMoveEvent(event); }
};

}  // namespace

TextBox::TextBox(Window& window, int left, int top, int width, int height)
    : TextBox(std::unique_ptr<Impl>(new Impl{new GameLineEdit(WidgetOf(window))}))
{
    Move(left, top, width, height);
    impl_->edit->setAttribute(Qt::WA_InputMethodEnabled, true);
}

TextBox::TextBox(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->edit)),
      impl_(std::move(impl))
{}

TextBox::~TextBox() = default;

void TextBox::SetText(const std::string& text) { impl_->edit->setText(ToQt(text)); }
std::string TextBox::Text() const { return FromQt(impl_->edit->text()); }
void TextBox::SetMaxLength(int characters) { impl_->edit->setMaxLength(characters); }
void TextBox::SetFocus() { impl_->edit->setFocus(); }

void TextBox::SimulateTyping(const std::string& text)
{
    // As an input method hands over a finished word: first shown as being composed, then committed.
    QInputMethodEvent composing(ToQt(text), {});
    QCoreApplication::sendEvent(impl_->edit, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(ToQt(text));
    QCoreApplication::sendEvent(impl_->edit, &commit);
}

void TextBox::SetFont(const std::string& family, double points, bool bold)
{
    impl_->edit->setFont(DesignFont(family, points, bold));
}

}  // namespace Platform
