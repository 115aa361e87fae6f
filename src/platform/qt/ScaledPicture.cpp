#include "platform/qt/ScaledPicture.h"

#include "platform/Application.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace Platform {
namespace {

// Far above the largest picture the game shows (a 300 x 200 scene at scale 4 takes 3.7 MiB), far
// below what the game can spare: a picture whose header passed the checks but whose decoder would
// take more is refused by Qt.
constexpr int PictureMemoryLimitMiB = 16;

// Tells the format from the content and limits the memory the decoder may take.
void Prepare(QImageReader& reader)
{
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(PictureMemoryLimitMiB);
}

// The kinds the game's pictures come in: bitmaps, GIFs and icons, and the art tool's PNG renders.
// Any other decoder (SVG, JPEG, ...) is never given a file.
bool IsTheGamesKindOfPicture(QImageReader& reader)
{
    const QByteArray format = reader.format();
    return format == "bmp" || format == "gif" || format == "ico" || format == "png";
}

// The picture, when it has the size its header gave.
QImage ReadOfSize(QImageReader& reader, const QSize& size)
{
    QImage picture = reader.read();
    return picture.size() == size ? picture : QImage();
}

// Device pixels per design pixel: the window scale times what the desktop itself scales by.
int PictureFactor()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    return std::clamp(static_cast<int>(std::ceil(WindowScale() * ratio - 0.01)), 1, 4);
}

// The art tool's rendering of exactly `size`; a null image for any other file, which is not decoded.
QImage ReadSharpRendering(const QString& path, const QSize& size)
{
    QImageReader sharp(path);
    Prepare(sharp);
    if (!IsTheGamesKindOfPicture(sharp) || sharp.size() != size)
        return {};
    return ReadOfSize(sharp, size);
}

QPixmap Scaled(QImageReader& design, const QString& path)
{
    const QSize size = design.size();  // from the header: the picture itself is read only if needed
    if (!size.isValid())
        return {};
    const int factor = PictureFactor();
    QImage picture = factor > 1 ? ReadSharpRendering(SharpRenderingPath(path, factor), size * factor) : QImage();
    if (picture.isNull()) {  // missing, unreadable or drawn for another picture size
        picture = ReadOfSize(design, size);
        if (picture.isNull())
            return {};
        picture = picture.scaled(size * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    // Shown at n design-sized pixels per picture pixel; the desktop's own ratio does the rest.
    picture.setDevicePixelRatio(static_cast<double>(factor) / WindowScale());
    return QPixmap::fromImage(picture);
}

}  // namespace

QString SharpRenderingPath(const QString& path, int factor)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > path.lastIndexOf(QLatin1Char('/'));
    return (hasExtension ? path.left(dot) : path) + QStringLiteral("@%1x.png").arg(factor);
}

QPixmap ReadScaledPictureFile(const QString& path, const QSize& slot)
{
    QImageReader design(path);
    Prepare(design);
    if (!IsTheGamesKindOfPicture(design))
        return {};
    const QSize size = design.size();
    if (size.width() > slot.width() || size.height() > slot.height())
        return {};
    return Scaled(design, path);
}

QPixmap ReadScaledPicture(const QString& path)
{
    QImageReader design(path);
    Prepare(design);
    return Scaled(design, path);
}

}  // namespace Platform
