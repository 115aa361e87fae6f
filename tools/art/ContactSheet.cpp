#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace {
constexpr int cellWidth = 300;
constexpr int cellHeight = 200;
constexpr int labelHeight = 18;
constexpr int gap = 6;
constexpr int columns = 5;
}  // namespace

void writeContactSheet(const QList<SheetEntry>& entries, const QString& path)
{
    const int rows = int((entries.size() + columns - 1) / columns);
    QImage sheet(columns * (cellWidth + gap) + gap, rows * (cellHeight + labelHeight + gap) + gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 68));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    for (int i = 0; i < entries.size(); ++i) {
        const QRect cell(gap + (i % columns) * (cellWidth + gap),
                         gap + (i / columns) * (cellHeight + labelHeight + gap), cellWidth, cellHeight);
        // Checks behind the picture show transparency.
        for (int y = 0; y < cellHeight; y += 10)
            for (int x = 0; x < cellWidth; x += 10)
                p.fillRect(cell.x() + x, cell.y() + y, 10, 10,
                           ((x + y) / 10) % 2 ? QColor(150, 150, 150) : QColor(190, 190, 190));
        const QImage& image = entries[i].image;
        // Big pictures shrink to fit; icons are shown enlarged, pixel for pixel.
        const bool icon = image.width() <= 64 && image.height() <= 64;
        const int zoom = std::min({4, cellWidth / image.width(), cellHeight / image.height()});
        const QSize fitted = icon ? image.size() * zoom
            : image.size().boundedTo(cell.size()) == image.size()
            ? image.size()
            : image.size().scaled(cell.size(), Qt::KeepAspectRatio);
        const QRect target(cell.center() - QPoint(fitted.width() / 2, fitted.height() / 2), fitted);
        p.drawImage(
            target.topLeft(),
            image.scaled(fitted, Qt::IgnoreAspectRatio, icon ? Qt::FastTransformation : Qt::SmoothTransformation));
        p.setPen(Qt::white);
        p.drawText(QRect(cell.x(), cell.bottom() + 1, cellWidth, labelHeight), Qt::AlignCenter,
                   QString("%1  (%2x%3)").arg(entries[i].name).arg(image.width()).arg(image.height()));
    }
    p.end();
    if (!sheet.save(path, "PNG"))
        throw std::runtime_error(("cannot write " + path).toStdString());
}
