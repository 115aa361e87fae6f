#include "PictureWriter.h"

#include "ColourReducer.h"

#include <stdexcept>

QString writePicture(const QImage& image, const PictureSpec& spec, int scale, const QString& gameDir,
                     const QString& resourceDir)
{
    const bool scene = spec.fileName.endsWith(".VEL");
    const QString folder = scene ? gameDir : resourceDir;
    bool written = false;
    QString path;
    if (scale > 1) {
        const QString stem = spec.fileName.left(spec.fileName.lastIndexOf('.'));
        path = QString("%1/%2@%3x.png").arg(folder, stem).arg(scale);
        written = image.convertToFormat(scene ? QImage::Format_RGB888 : QImage::Format_ARGB32).save(path, "PNG");
    } else if (scene) {
        path = folder + "/" + spec.fileName;
        written = image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    } else {
        path = folder + "/" + spec.fileName;
        written = (spec.reduceTo256 ? reduceTo256Colours(image) : image).save(path, "PNG");
    }
    if (!written)
        throw std::runtime_error(("cannot write " + path).toStdString());
    return path;
}
