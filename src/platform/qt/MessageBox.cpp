#include "platform/MessageBox.h"

#include "platform/Application.h"
#include "platform/Window.h"
#include "platform/qt/QtBridge.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace Platform {
namespace {

MessageBoxHook hook;

constexpr int IconCritical = 16;
constexpr int IconInformation = 64;

// The sign drawn at any size, in the colours of the usual desktop signs, for a desktop whose icon
// theme has none as large as the window scale needs: a picture enlarged pixel by pixel would
// stand blocky beside the smooth text.
QPixmap DrawnSign(int icon, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    if (icon == IconCritical || icon == IconInformation) {
        painter.setPen(QPen(QColor(40, 40, 40, 160), s / 32));
        painter.setBrush(icon == IconCritical ? QColor(224, 27, 36) : QColor(53, 132, 228));
        painter.drawEllipse(QRectF(s / 16, s / 16, s * 7 / 8, s * 7 / 8));
        painter.setPen(QPen(Qt::white, s / 9, Qt::SolidLine, Qt::RoundCap));
        if (icon == IconCritical) {
            painter.drawLine(QPointF(s * 0.34, s * 0.34), QPointF(s * 0.66, s * 0.66));
            painter.drawLine(QPointF(s * 0.66, s * 0.34), QPointF(s * 0.34, s * 0.66));
        } else {
            painter.drawPoint(QPointF(s / 2, s * 0.3));
            painter.drawLine(QPointF(s / 2, s * 0.45), QPointF(s / 2, s * 0.72));
        }
        return pixmap;
    }
    QPainterPath triangle;
    triangle.moveTo(s / 2, s / 16);
    triangle.lineTo(s * 15 / 16, s * 7 / 8);
    triangle.lineTo(s / 16, s * 7 / 8);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40, 200), s / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(246, 211, 45));
    painter.drawPath(triangle);
    painter.setPen(QPen(Qt::black, s / 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s / 2, s * 0.33), QPointF(s / 2, s * 0.58));
    painter.drawPoint(QPointF(s / 2, s * 0.74));
    return pixmap;
}

// The desktop's own sign at the window scale's size where its icon theme or style has one that
// large, else the sign drawn at that size.
QPixmap SignAtScale(const QMessageBox& box, int icon)
{
    const QStyle::StandardPixmap kind = icon == IconCritical ? QStyle::SP_MessageBoxCritical
        : icon == IconInformation                            ? QStyle::SP_MessageBoxInformation
                                                             : QStyle::SP_MessageBoxWarning;
    const QString name = icon == IconCritical ? QStringLiteral("dialog-error")
        : icon == IconInformation             ? QStringLiteral("dialog-information")
                                              : QStringLiteral("dialog-warning");
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * WindowScale();
    const QIcon desktop = QIcon::fromTheme(name, box.style()->standardIcon(kind, nullptr, &box));
    const QPixmap pixmap = desktop.pixmap(size, size);
    return pixmap.width() >= size ? pixmap : DrawnSign(icon, size);
}

// Qt's own limit on a message box's width on this screen: it wraps or cuts what does not fit.
int WidestBox(const QScreen& screen)
{
    const int width = screen.availableGeometry().width();
    return width <= 1024 ? width : std::min(width - 480, 1000);
}

// A message box that shows all of its text: the lines the game wrote as far as Qt lets a box
// grow, wrapped beyond that, never wider than Qt's limit (which cuts what passes it). It opens
// over its owner.
class GameMessageBox : public QMessageBox {
public:
    GameMessageBox(const std::string& text, int flags, const std::string& title, QWidget* owner)
        : QMessageBox(owner)
    {
        setWindowTitle(ToQt(title));
        QString body = ToQt(text);
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        setText(body);
        const int icon = flags & 0x70;
        setIcon(icon == IconCritical ? Critical : icon == IconInformation ? Information : Warning);
        if (WindowScale() > 1)
            setIconPixmap(SignAtScale(*this, icon));
        AddButtons(flags);
        if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            // What the box needs beside its text: margins, the sign, the spaces between.
            label->setWordWrap(false);
            const int besideText = layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
            const int lines = label->fontMetrics().boundingRect(QRect(), 0, body).width();
            const QScreen* screen = owner ? owner->screen() : this->screen();
            label->setMinimumWidth(std::min(lines, WidestBox(*screen) - besideText));
        }
    }

    int Answer() const
    {
        QAbstractButton* pressed = clickedButton();
        if (pressed && pressed == yes_)
            return AnswerYes;
        if (pressed && pressed == no_)
            return AnswerNo;
        if (ok_)
            return AnswerOk;
        return cancel_ ? AnswerCancel : AnswerNo;
    }

    // Whether the text stands whole inside the box as it is shown.
    bool ShowsWholeText() const
    {
        const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label)
            return false;
        const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        return label->width() >= std::max(label->minimumWidth(), label->minimumSizeHint().width())
            && label->height() >= needed && rect().contains(label->geometry());
    }

    // Whether the sign is as large as the window scale makes the box's text, and drawn at that
    // size: an enlarged small sign repeats every pixel in blocks of the scale.
    bool ShowsSignAtScale() const
    {
        const int scale = WindowScale();
        if (scale == 1)
            return true;  // the desktop's own sign, as it comes
        const QImage sign = iconPixmap().toImage();
        if (sign.width() < style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this) * scale)
            return false;
        for (int y = 0; y < sign.height(); ++y)
            for (int x = 0; x + 1 < sign.width(); x += scale)
                if (sign.pixel(x, y) != sign.pixel(x + 1, y))
                    return true;
        return false;
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // Qt sizes the box here
        if (QWidget* owner = parentWidget()) {
            const QRect frame = owner->window()->frameGeometry();
            move(frame.center().x() - width() / 2, frame.center().y() - height() / 2);
        }
    }

private:
    void AddButtons(int flags)
    {
        const int buttons = flags & 0x0F;
        if (buttons == 3 || buttons == 4) {
            yes_ = addButton(QStringLiteral("はい(&Y)"), YesRole);
            no_ = addButton(QStringLiteral("いいえ(&N)"), NoRole);
            if (buttons == 3) {
                cancel_ = addButton(QStringLiteral("キャンセル"), RejectRole);
                setEscapeButton(cancel_);
            }
            setDefaultButton((flags & 0x100) ? no_ : yes_);
        } else {
            ok_ = addButton(QStringLiteral("OK"), AcceptRole);
            setEscapeButton(ok_);
            setDefaultButton(ok_);
        }
    }

    QPushButton* ok_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace

void SetMessageBoxHook(MessageBoxHook newHook) { hook = std::move(newHook); }

int ShowMessageBox(const std::string& text, int flags, const std::string& title, Window* owner)
{
    if (hook)
        return hook(text, flags, title);
    StartApplication();
    GameMessageBox box(text, flags, title, owner ? WidgetOf(*owner) : ActiveGameWindow());
    box.exec();
    return box.Answer();
}

bool MessageBoxShowsWholeText(const std::string& text, int flags, const std::string& title)
{
    StartApplication();
    GameMessageBox box(text, flags, title, nullptr);
    box.show();
    const bool whole = box.ShowsWholeText();
    box.hide();
    return whole;
}

bool MessageBoxShowsSignAtScale(int flags)
{
    StartApplication();
    return GameMessageBox("", flags, "", nullptr).ShowsSignAtScale();
}

}  // namespace Platform
