#include "platform/MessageBox.h"

#include "platform/Application.h"
#include "platform/qt/QtBridge.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace Platform {
namespace {

MessageBoxHook hook;

// At a larger window scale the text is drawn larger (the application's font) and the icon
// grows with it; the text keeps the lines the game wrote as far as Qt lets a box grow: it wraps
// text beyond 500 pixels and never makes a box wider than 1000 (or the screen less 480).
void GrowWithTheWindows(QMessageBox& box, int icon, const QString& body)
{
    const QStyle::StandardPixmap kind = icon == 16 ? QStyle::SP_MessageBoxCritical
        : icon == 64                               ? QStyle::SP_MessageBoxInformation
                                                   : QStyle::SP_MessageBoxWarning;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * WindowScale();
    QPixmap pixmap = box.style()->standardIcon(kind, nullptr, &box).pixmap(size, size);
    if (pixmap.width() < size)  // the style draws it smaller: every pixel repeated, as the pictures
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation);
    box.setIconPixmap(pixmap);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const int screen = box.screen()->availableGeometry().width();
        const int cap = screen <= 1024 ? screen : std::min(screen - 480, 1000);
        const int spacing = box.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
        const int lines = label->fontMetrics().boundingRect(QRect(), 0, body).width();
        label->setMinimumWidth(std::min(lines, cap - size - 4 * spacing));
    }
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook newHook) { hook = std::move(newHook); }

int ShowMessageBox(const std::string& text, int flags, const std::string& title)
{
    if (hook)
        return hook(text, flags, title);
    StartApplication();
    QMessageBox box;
    box.setWindowTitle(ToQt(title));
    QString body = ToQt(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(body);
    const int icon = flags & 0x70;
    box.setIcon(icon == 16 ? QMessageBox::Critical : icon == 64 ? QMessageBox::Information : QMessageBox::Warning);
    if (WindowScale() > 1)
        GrowWithTheWindows(box, icon, body);

    const int buttons = flags & 0x0F;
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    if (buttons == 3 || buttons == 4) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        if (buttons == 3) {
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        }
        box.setDefaultButton((flags & 0x100) ? no : yes);
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        box.setDefaultButton(ok);
    }
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == yes)
        return AnswerYes;
    if (pressed && pressed == no)
        return AnswerNo;
    if (ok)
        return AnswerOk;
    return cancel ? AnswerCancel : AnswerNo;
}

}  // namespace Platform
