#include "CharacterSheet.h"

#include "SvgComposer.h"
#include "SvgRaster.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace {
constexpr int cellWidth = 220;
constexpr int headRow = 300;
constexpr int poseRow = 500;
constexpr int labelHeight = 20;
}  // namespace

void writeCharacterSheet(PartLibrary& parts, const QString& key, const QString& folder)
{
    const QStringList heads = parts.partNames(key, "head-");
    const QStringList poses = parts.partNames(key, "body-");
    const int columns = int(std::max<qsizetype>({heads.size(), poses.size(), 1}));
    const QSizeF size(columns * cellWidth, headRow + poseRow + 2 * labelHeight);
    Palette plain;
    SvgComposer composer(parts, size, plain);
    // The sheets show the figures as a clear afternoon shades them, the sun high on the left.
    FigureShading afternoon;
    afternoon.shade = QColor("#c49ab4");
    afternoon.shadeStrength = 0.55;
    afternoon.rimStrength = 0.3;
    afternoon.rim = QColor("#fff4dc");
    composer.setShading(afternoon, std::nullopt);
    composer.addBackdrop("#e8e4dc");
    for (int i = 0; i < heads.size(); ++i) {
        composer.setArea(QRectF(i * cellWidth, 0, cellWidth, headRow));
        composer.addHead(key, heads[i], QPointF(cellWidth / 2.0, 200), 0.9);
    }
    for (int i = 0; i < poses.size(); ++i) {
        composer.setArea(QRectF(i * cellWidth, headRow + labelHeight, cellWidth, poseRow));
        CharacterPlacement figure;
        figure.key = key;
        figure.pose = poses[i];
        figure.face = heads.contains("calm") ? "calm" : heads.value(0);
        // A sitting figure's origin is her seat, with her legs below it.
        figure.at = QPointF(cellWidth / 2.0, poses[i].startsWith("sit") ? poseRow - 170 : poseRow - 30);
        figure.scale = 1.0;
        composer.addCharacter(figure);
    }
    QImage sheet = rasteriseSvg(composer.document(), size.toSize(), "sheet of " + key);
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(40, 30, 30));
    for (int i = 0; i < heads.size(); ++i)
        p.drawText(QRect(i * cellWidth, headRow, cellWidth, labelHeight), Qt::AlignCenter, "head-" + heads[i]);
    for (int i = 0; i < poses.size(); ++i)
        p.drawText(QRect(i * cellWidth, int(size.height()) - labelHeight, cellWidth, labelHeight), Qt::AlignCenter,
                   "body-" + poses[i]);
    p.end();
    const QString path = folder + "/" + key + ".png";
    if (!sheet.save(path, "PNG"))
        throw std::runtime_error(("cannot write " + path).toStdString());
}
