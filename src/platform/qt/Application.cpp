#include "platform/Application.h"

#include "platform/Sound.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Platform {
namespace {

std::function<void()> idleHook;
int windowScale = 1;
constexpr int DesignFontPixels = 12;

QApplication* app() { return static_cast<QApplication*>(QCoreApplication::instance()); }

}  // namespace

void StartApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "velmoor2";
    static char* argv[] = {name, nullptr};
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    new QApplication(argc, argv);
    QApplication::setApplicationName("velmoor2");
    static QTranslator qtJapanese;
    if (qtJapanese.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtJapanese);
    QApplication::setFont(QFont("IPAPGothic"));
    SetWindowScale(windowScale);
}

void SetWindowScale(int scale)
{
    windowScale = std::clamp(scale, 1, 4);
    // Message boxes and controls without a font of their own grow with the windows.
    if (QCoreApplication::instance()) {
        QFont font = QApplication::font();
        font.setPixelSize(DesignFontPixels * windowScale);
        QApplication::setFont(font);
    }
}

int WindowScale() { return windowScale; }

int ToPixels(int twips) { return windowScale * ((twips + TwipsPerPixel / 2) / TwipsPerPixel); }

int ToTwips(int pixels) { return (pixels * TwipsPerPixel + windowScale / 2) / windowScale; }

ScreenArea OpeningScreen()
{
    ScreenArea area;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        area.whole = area.available = {0, 0, 1024, 768};
        return area;
    }
    const QRect whole = screen->geometry();
    const QRect available = screen->availableGeometry();
    area.whole = {whole.x(), whole.y(), whole.width(), whole.height()};
    area.available = {available.x(), available.y(), available.width(), available.height()};
    area.pixelRatio = screen->devicePixelRatio();
    return area;
}

int RunEventLoop() { return QApplication::exec(); }

void PumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void WaitForEvents()
{
    if (idleHook)
        idleHook();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void EndProgram()
{
    StopMusic();
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetIdleHook(std::function<void()> hook) { idleHook = std::move(hook); }

void Defer(std::function<void()> action) { QTimer::singleShot(0, app(), std::move(action)); }

namespace {

// Holds a screen being unloaded; Qt deletes it once the handler that unloaded it has returned.
class KeptObject : public QObject {
public:
    explicit KeptObject(std::shared_ptr<void> object)
        : QObject(app()),
          object_(std::move(object))
    {}

private:
    std::shared_ptr<void> object_;
};

}  // namespace

void ReleaseLater(std::shared_ptr<void> object) { (new KeptObject(std::move(object)))->deleteLater(); }

void Pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

int DisplayWidthTwips()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToTwips(screen->geometry().width()) : ToTwips(1024);
}

int DisplayHeightTwips()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToTwips(screen->geometry().height()) : ToTwips(768);
}

}  // namespace Platform
