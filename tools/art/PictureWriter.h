// Writes a drawn picture: ".VEL" as a 24-bit BMP, ".png" as PNG (optionally 256 colours).
// The same picture drawn larger for large screens goes beside it as "<stem>@2x.png" (and
// @3x, @4x), always in full colour.
#pragma once
#include "PictureBook.h"

#include <QImage>
#include <QString>

// Returns the path written.
QString writePicture(const QImage& image, const PictureSpec& spec, int scale, const QString& gameDir,
                     const QString& resourceDir);
