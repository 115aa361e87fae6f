// Writes a drawn picture: ".VEL" as a 24-bit BMP, ".png" as PNG (optionally 256 colours).
#pragma once
#include "PictureBook.h"

#include <QImage>
#include <QString>

// Returns the path written.
QString writePicture(const QImage& image, const PictureSpec& spec, const QString& gameDir,
                     const QString& resourceDir);
