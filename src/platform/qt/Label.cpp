#include "platform/Label.h"

#include "platform/Window.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtBridge.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace Platform {

struct Label::Impl {
    ReportingWidget<QLabel>* label;
};

namespace {

ReportingWidget<QLabel>* MakeLabel(Window& window)
{
    auto* label = new ReportingWidget<QLabel>(WidgetOf(window));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

Label::Label(Window& window, int left, int top, int width, int height)
    : Label(std::unique_ptr<Impl>(new Impl{MakeLabel(window)}))
{
    Move(left, top, width, height);
}

Label::Label(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->label)),
      impl_(std::move(impl))
{}

Label::~Label() = default;

void Label::SetCaption(const std::string& caption) { impl_->label->setText(ToQt(caption)); }
std::string Label::Caption() const { return FromQt(impl_->label->text()); }

void Label::SetForeColour(Colour colour)
{
    QPalette palette = impl_->label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    impl_->label->setPalette(palette);
}

Colour Label::ForeColour() const { return FromQColor(impl_->label->palette().color(QPalette::WindowText)); }
Colour Label::BackColour() const { return FromQColor(impl_->label->palette().color(QPalette::Window)); }

void Label::SetBackColour(Colour colour)
{
    QPalette palette = impl_->label->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    impl_->label->setPalette(palette);
    impl_->label->setAutoFillBackground(true);
}

void Label::SetAlignment(Alignment alignment)
{
    Qt::Alignment horizontal = alignment == Alignment::Right ? Qt::AlignRight
        : alignment == Alignment::Centre                     ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
    impl_->label->setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetFont(const std::string& family, double points, bool bold, bool italic)
{
    impl_->label->setFont(DesignFont(family, points, bold, italic));
}

void Label::CentreVertically()
{
    impl_->label->setAlignment((impl_->label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void Label::SetWordWrap(bool wrap) { impl_->label->setWordWrap(wrap); }

bool Label::ShowsWholeCaption() const
{
    const QLabel& label = *impl_->label;
    if (label.wordWrap())
        return label.heightForWidth(label.width()) <= label.height();
    const QSize needed = label.sizeHint();
    return needed.width() <= label.width() && needed.height() <= label.height();
}

// Laid out as the label lays out its plain text: one document, no margin, the label's width.
Label::LineBox Label::LastLineBox() const
{
    const QLabel& label = *impl_->label;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label.font());
    document.setPlainText(label.text());
    document.setTextWidth(label.wordWrap() ? label.width() : -1);
    const QTextBlock block = document.lastBlock();
    const double blockTop = document.documentLayout()->blockBoundingRect(block).top();  // lays it out
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return {0, 0};
    const QTextLine line = layout->lineAt(layout->lineCount() - 1);
    const double top = blockTop + line.y();
    return {static_cast<int>(std::ceil(top + line.height())), static_cast<int>(std::ceil(line.naturalTextWidth()))};
}

}  // namespace Platform
