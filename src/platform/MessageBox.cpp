#include "platform/MessageBox.h"

#include "platform/Application.h"
#include "platform/QtBridge.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace Platform {
namespace {

MessageBoxHook hook;

}  // namespace

void SetMessageBoxHook(MessageBoxHook newHook)
{
    hook = std::move(newHook);
}

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
    if (const int scale = WindowScale(); scale > 1) {  // the icon grows with the text, drawn sharp at its size
        const QStyle::StandardPixmap kind = icon == 16 ? QStyle::SP_MessageBoxCritical
            : icon == 64                               ? QStyle::SP_MessageBoxInformation
                                                       : QStyle::SP_MessageBoxWarning;
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * scale;
        box.setIconPixmap(box.style()->standardIcon(kind, nullptr, &box).pixmap(size, size));
    }

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
