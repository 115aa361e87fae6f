#include "platform/qt/ScaledPicture.h"

#include "platform/Application.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace Platform {
namespace {

QImage ReadByContent(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// Device pixels per design pixel: the window scale times what the desktop itself scales by.
int PictureFactor()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    return std::clamp(static_cast<int>(std::ceil(WindowScale() * ratio - 0.01)), 1, 4);
}

}  // namespace

QString SharpRenderingPath(const QString& path, int factor)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > path.lastIndexOf(QLatin1Char('/'));
    return (hasExtension ? path.left(dot) : path) + QStringLiteral("@%1x.png").arg(factor);
}

QPixmap ReadScaledPicture(const QString& path)
{
    const int factor = PictureFactor();
    if (factor == 1)
        return QPixmap::fromImage(ReadByContent(path));
    QImageReader design(path);
    design.setDecideFormatFromContent(true);
    const QSize size = design.size() * factor;  // from the header: the picture itself is read only if needed
    if (!design.canRead())
        return {};
    QImage picture = ReadByContent(SharpRenderingPath(path, factor));
    if (picture.size() != size) {  // missing, unreadable or drawn for another picture size
        picture = design.read().scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (picture.isNull())
            return {};
    }
    // Shown at n design-sized pixels per picture pixel; the desktop's own ratio does the rest.
    picture.setDevicePixelRatio(static_cast<double>(factor) / WindowScale());
    return QPixmap::fromImage(picture);
}

}  // namespace Platform
