#include "PictureWriter.h"

#include "ColourReducer.h"

#include <stdexcept>

QString writePicture(const QImage& image, const PictureSpec& spec, const QString& gameDir,
                     const QString& resourceDir)
{
    const bool scene = spec.fileName.endsWith(".VEL");
    const QString path = (scene ? gameDir : resourceDir) + "/" + spec.fileName;
    bool written = false;
    if (scene)
        written = image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    else if (spec.reduceTo256)
        written = reduceTo256Colours(image).save(path, "PNG");
    else
        written = image.save(path, "PNG");
    if (!written)
        throw std::runtime_error(("cannot write " + path).toStdString());
    return path;
}
