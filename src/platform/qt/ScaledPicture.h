#pragma once
// Inside the platform layer only: pictures as the windows draw them at the window scale.
#include <QPixmap>
#include <QString>

namespace Platform {

// Reads the picture at `path` (format recognised by content, whatever the extension) at n times
// its size for window scale n. The art tool's sharp rendering beside it, "<stem>@<n>x.png", is
// taken when there is one of exactly n times the size; otherwise every pixel of the picture is
// repeated n times (never smoothed). A null pixmap when the picture cannot be read.
QPixmap ReadScaledPicture(const QString& path);

// The file the art tool renders at `factor` times the size of the picture at `path`.
QString SharpRenderingPath(const QString& path, int factor);

}  // namespace Platform
