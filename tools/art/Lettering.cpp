#include "Lettering.h"

#include "DrawKit.h"

#include <QFont>
#include <QFontMetricsF>

void drawLettering(QPainter& p, QPointF baseline, double size, const QString& text)
{
    // A book face with serifs, in bold italic: a school name on a graduation card.
    QFont font("P052");
    font.setPixelSize(int(size));
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath letters;
    letters.addText(0, 0, font, text);
    const QRectF bounds = letters.boundingRect();
    letters.translate(baseline.x() - bounds.center().x(), baseline.y());

    p.save();
    p.fillPath(letters.translated(size * 0.04, size * 0.06), QColor(60, 20, 50, 140));
    p.strokePath(letters, QPen(QColor(70, 24, 40), size * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF box = letters.boundingRect();
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(255, 252, 228));
    gold.setColorAt(0.45, QColor(255, 220, 120));
    gold.setColorAt(0.55, QColor(232, 170, 60));
    gold.setColorAt(1, QColor(255, 214, 130));
    p.fillPath(letters, gold);
    p.strokePath(letters, QPen(QColor(255, 255, 240, 150), size * 0.015));
    p.restore();
}
