#pragma once
// Inside the platform layer only: pictures as the windows draw them at the window scale.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace Platform {

// Reads the picture at `path` at n times its size for window scale n. Only the game's own kinds
// of picture are read (bitmap, GIF, icon and the art tool's PNG, recognised by content, whatever
// the extension): the picture no larger than `slot`, in design pixels, and the art tool's sharp
// rendering beside it, "<stem>@<n>x.png", when it is exactly n times the size; otherwise every
// pixel of the picture is repeated n times (never smoothed). Sizes are checked in the files' headers before anything is
// decoded, so no file in a picture's place can take more memory than its slot at scale 4. A null
// pixmap when the picture cannot be read or is not one of these.
QPixmap ReadScaledPictureFile(const QString& path, const QSize& slot);
// One of the pictures compiled into the program (PNG, any size), read the same way.
QPixmap ReadScaledPicture(const QString& path);

// The file the art tool renders at `factor` times the size of the picture at `path`.
QString SharpRenderingPath(const QString& path, int factor);

}  // namespace Platform
