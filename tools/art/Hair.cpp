#include "Hair.h"

#include "DrawKit.h"

#include <cmath>
#include <stdexcept>

namespace {

QLinearGradient hairBrush(const Palette& c, double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, c("hair"));
    g.setColorAt(1, c("hair-shade"));
    return g;
}

// A long lock hanging from (x, top) to (x + drift, bottom), `width` wide, wavy if asked.
QPainterPath lock(double x, double top, double bottom, double width, double drift, double wave)
{
    QPainterPath path;
    const int steps = 12;
    QList<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double cx = x + drift * t + wave * std::sin(t * 9.4);
        // Narrow where it leaves the crown, full a little lower, thin at the tip.
        const double w = width * (1 - 0.75 * t * t) * (0.45 + 0.55 * std::min(1.0, t * 6));
        left.append({cx - w / 2, top + (bottom - top) * t});
        right.prepend({cx + w / 2, top + (bottom - top) * t});
    }
    path.moveTo(left[0]);
    for (const QPointF& pt : left)
        path.lineTo(pt);
    for (const QPointF& pt : right)
        path.lineTo(pt);
    path.closeSubpath();
    return path;
}

void tie(QPainter& p, QPointF at, double r, const QColor& colour)
{
    ellipse(p, at, r, r * 0.8, colour);
    ellipse(p, at + QPointF(-r * 0.3, -r * 0.3), r * 0.35, r * 0.25, colour.lighter(140));
}

void braid(QPainter& p, const Palette& c, QPointF from, QPointF to)
{
    const int links = 8;
    for (int i = 0; i < links; ++i) {
        const double t = double(i) / (links - 1);
        const QPointF at = from + (to - from) * t;
        const double r = 17 - 6 * t;
        p.save();
        p.translate(at);
        p.rotate(i % 2 ? 25 : -25);
        ellipse(p, {0, 0}, r, r * 1.3, hairBrush(c, -r, r));
        line(p, {-r * 0.6, r * 0.6}, {r * 0.5, -r * 0.4}, withAlpha(c("hair-shade").darker(130), 0.6), 2);
        p.restore();
    }
    tie(p, to + QPointF(0, 16), 9, c("accent"));
    p.fillPath(lock(to.x(), to.y() + 22, to.y() + 58, 20, 0, 2), hairBrush(c, to.y(), to.y() + 58));
}

} // namespace

void drawBackHair(QPainter& p, const Heroine& h, const Palette& c)
{
    const QString& style = h.back;
    if (h.accessories.contains("bow")) {
        // The big white ribbon at the back of her head shows its loops above.
        const QColor white = c("ribbon-white");
        QPainterPath loops;
        loops.moveTo(200, 80);
        loops.cubicTo(150, 10, 96, 40, 120, 96);
        loops.closeSubpath();
        loops.moveTo(200, 80);
        loops.cubicTo(250, 10, 304, 40, 280, 96);
        loops.closeSubpath();
        p.fillPath(loops, white);
        stroke(p, loops, white.darker(125), 2);
    }
    if (style == "none") {
        // Cropped short: nothing falls behind the head.
    } else if (style == "long-straight") {
        QPainterPath back;
        back.moveTo(118, 110);
        back.cubicTo(100, 200, 92, 420, 96, 560);
        back.lineTo(304, 560);
        back.cubicTo(308, 420, 300, 200, 282, 110);
        back.closeSubpath();
        p.fillPath(back, hairBrush(c, 100, 560));
    } else if (style == "long-wavy") {
        p.fillPath(lock(124, 120, 540, 86, -30, 12), hairBrush(c, 120, 540));
        p.fillPath(lock(276, 120, 540, 86, 30, -12), hairBrush(c, 120, 540));
        p.fillPath(lock(200, 90, 300, 180, 0, 0), hairBrush(c, 90, 300));
    } else if (style == "bob" || style == "short" || style == "buns" || style == "shoulder"
               || style == "twintails" || style == "ponytail") {
        const double bottom = style == "bob" ? 268 : style == "shoulder" ? 300 : 246;
        const double spread = style == "bob" ? 176 : style == "shoulder" ? 182 : 166;
        QPainterPath back;
        back.moveTo(200 - spread / 2 + 10, 110);
        back.cubicTo(200 - spread / 2 - 6, 160, 200 - spread / 2 - 4, bottom - 30, 200 - spread / 2 + 8, bottom);
        back.quadTo(200, bottom - 20, 200 + spread / 2 - 8, bottom);
        back.cubicTo(200 + spread / 2 + 4, bottom - 30, 200 + spread / 2 + 6, 160, 200 + spread / 2 - 10, 110);
        back.closeSubpath();
        if (style != "ponytail" && style != "twintails")
            p.fillPath(back, hairBrush(c, 100, bottom));
        if (style == "twintails") {
            // Two tails from high on the sides, falling past the shoulders.
            QPainterPath left, right;
            left.moveTo(126, 96);
            left.cubicTo(50, 120, 40, 300, 64, 470);
            left.cubicTo(80, 380, 98, 240, 140, 150);
            left.closeSubpath();
            right.moveTo(274, 96);
            right.cubicTo(350, 120, 360, 300, 336, 470);
            right.cubicTo(320, 380, 302, 240, 260, 150);
            right.closeSubpath();
            p.fillPath(left, hairBrush(c, 96, 470));
            p.fillPath(right, hairBrush(c, 96, 470));
        }
        if (style == "ponytail") {
            // A high tail swinging out behind her right shoulder.
            QPainterPath tail;
            tail.moveTo(226, 60);
            tail.cubicTo(330, 40, 350, 200, 330, 430);
            tail.cubicTo(316, 330, 300, 220, 262, 150);
            tail.closeSubpath();
            p.fillPath(tail, hairBrush(c, 50, 430));
        }
        if (style == "buns")
            for (const double x : {128.0, 272.0}) {
                ellipse(p, {x, 72}, 40, 38, hairBrush(c, 34, 110));
                QPainterPath swirl;
                swirl.moveTo(x - 24, 70);
                swirl.quadTo(x, 44, x + 22, 64);
                stroke(p, swirl, withAlpha(c("hair-light"), 0.7), 4);
            }
    } else {
        throw std::runtime_error(("unknown back hair style " + style).toStdString());
    }
}

void drawFrontHair(QPainter& p, const Heroine& h, const Palette& c)
{
    const QString& style = h.bangs;
    // The crown covering the top of the head; the bangs hang from it.
    QPainterPath crown;
    crown.moveTo(112, 190);
    crown.cubicTo(100, 40, 300, 40, 288, 190);
    crown.lineTo(272, 150);
    crown.lineTo(128, 150);
    crown.closeSubpath();
    const QLinearGradient brush = hairBrush(c, 50, 260);
    p.fillPath(crown, brush);

    QPainterPath bangs;
    if (style == "blunt") {
        bangs.moveTo(124, 110);
        bangs.lineTo(124, 158);
        for (int i = 0; i <= 12; ++i)
            bangs.lineTo(128 + i * 12, i % 2 ? 160 : 154);
        bangs.lineTo(276, 158);
        bangs.lineTo(276, 110);
        bangs.closeSubpath();
    } else if (style == "swept") {
        bangs.moveTo(120, 120);
        bangs.lineTo(122, 186);
        bangs.lineTo(140, 140);
        bangs.lineTo(150, 166);
        bangs.lineTo(172, 128);
        bangs.lineTo(186, 158);
        bangs.lineTo(214, 122);
        bangs.lineTo(232, 150);
        bangs.lineTo(258, 126);
        bangs.lineTo(270, 160);
        bangs.lineTo(280, 186);
        bangs.lineTo(280, 120);
        bangs.closeSubpath();
    } else if (style == "soft" || style == "parted") {
        const bool parted = style == "parted";
        bangs.moveTo(118, 110);
        bangs.lineTo(120, 200);
        bangs.quadTo(136, 160, 146, 128);
        bangs.quadTo(150, 150, 160, 166);
        bangs.quadTo(170, 140, 180, 124);
        bangs.quadTo(188, 146, 196, parted ? 118 : 164);
        bangs.quadTo(208, 140, 222, 122);
        bangs.quadTo(228, 146, 240, 166);
        bangs.quadTo(250, 140, 256, 128);
        bangs.quadTo(266, 160, 280, 200);
        bangs.lineTo(282, 110);
        bangs.closeSubpath();
    } else if (style == "boy") {
        // Short, spiky, brushed up and to one side.
        bangs.moveTo(114, 150);
        bangs.lineTo(118, 96);
        bangs.lineTo(100, 84);
        bangs.lineTo(136, 66);
        bangs.lineTo(128, 40);
        bangs.lineTo(176, 46);
        bangs.lineTo(190, 22);
        bangs.lineTo(222, 42);
        bangs.lineTo(262, 30);
        bangs.lineTo(266, 62);
        bangs.lineTo(300, 70);
        bangs.lineTo(284, 100);
        bangs.lineTo(288, 150);
        bangs.lineTo(270, 126);
        bangs.lineTo(256, 142);
        bangs.lineTo(238, 118);
        bangs.lineTo(214, 140);
        bangs.lineTo(200, 116);
        bangs.lineTo(176, 138);
        bangs.lineTo(164, 116);
        bangs.lineTo(140, 140);
        bangs.lineTo(130, 122);
        bangs.closeSubpath();
    } else {
        throw std::runtime_error(("unknown bangs style " + style).toStdString());
    }
    p.fillPath(bangs, brush);

    // Side locks framing the face; long styles let them fall to the chest.
    const bool longLocks = h.back == "long-straight" || h.back == "long-wavy";
    const double lockEnd = longLocks ? 380 : h.back == "bob" ? 262 : h.boy ? 190 : 236;
    const double wave = h.back == "long-wavy" ? 5 : 0;
    const double lockWidth = h.boy ? 18 : 30;
    p.fillPath(lock(124, 124, lockEnd, lockWidth, -5, wave), brush);
    p.fillPath(lock(276, 124, lockEnd, lockWidth, 5, -wave), brush);

    // The ring of shine across the crown, broken into short glints along the strands.
    const QColor glint = withAlpha(c("hair-light"), 0.6);
    for (int i = 0; i <= 6; ++i) {
        const double t = i / 6.0;
        const QPointF at((1 - t) * (1 - t) * QPointF(138, 110) + 2 * t * (1 - t) * QPointF(200, 84)
                         + t * t * QPointF(262, 110));
        const double tall = 9 + 4 * std::sin(t * 3.1416);
        QPainterPath spark;
        spark.moveTo(at + QPointF(0, -tall));
        spark.quadTo(at + QPointF(3.2, 0), at + QPointF(0, tall * 0.7));
        spark.quadTo(at + QPointF(-3.2, 0), at + QPointF(0, -tall));
        p.fillPath(spark, glint);
    }
}

void drawAccessories(QPainter& p, const Heroine& h, const Palette& c)
{
    const QColor accent = c("accent");
    for (const QString& thing : h.accessories) {
        if (thing == "glasses") {
            const QColor frame = accent.darker(160);
            p.setPen(QPen(frame, 4));
            p.setBrush(QColor(255, 255, 255, 30));
            p.drawEllipse(QPointF(160, 186), 30, 28);
            p.drawEllipse(QPointF(240, 186), 30, 28);
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(190, 182), QPointF(210, 182));
            p.drawLine(QPointF(130, 180), QPointF(120, 176));
            p.drawLine(QPointF(270, 180), QPointF(280, 176));
            p.setPen(Qt::NoPen);
            line(p, {146, 168}, {156, 162}, QColor(255, 255, 255, 170), 3);
            line(p, {226, 168}, {236, 162}, QColor(255, 255, 255, 170), 3);
        } else if (thing == "clip") {
            line(p, {236, 122}, {268, 110}, accent, 8);
            line(p, {238, 136}, {270, 124}, accent, 8);
            line(p, {238, 122}, {266, 111}, accent.lighter(140), 2);
        } else if (thing == "hairband") {
            QPainterPath band;
            band.moveTo(118, 150);
            band.cubicTo(120, 60, 280, 60, 282, 150);
            stroke(p, band, accent, 13);
            QPainterPath light;
            light.moveTo(140, 100);
            light.quadTo(200, 72, 260, 100);
            stroke(p, light, accent.lighter(130), 3);
        } else if (thing == "hair-ties") {
            if (h.back == "twintails") {
                tie(p, {124, 104}, 12, accent);
                tie(p, {276, 104}, 12, accent);
            } else if (h.back == "buns") {
                tie(p, {146, 102}, 11, accent);
                tie(p, {254, 102}, 11, accent);
            } else if (h.back == "ponytail") {
                tie(p, {236, 64}, 14, accent);
            }
        } else if (thing == "braid") {
            braid(p, c, {128, 250}, {120, 440});
        } else if (thing == "camera") {
            // The school-paper camera on its strap.
            QPainterPath strap;
            strap.moveTo(150, 290);
            strap.quadTo(150, 420, 170, 470);
            strap.moveTo(250, 290);
            strap.quadTo(250, 420, 230, 470);
            stroke(p, strap, QColor(60, 40, 30), 6);
            QPainterPath body;
            body.addRoundedRect(QRectF(150, 456, 100, 64), 10, 10);
            p.fillPath(body, QColor(40, 40, 46));
            fillPolygon(p, {{166, 456}, {184, 444}, {210, 444}, {222, 456}}, QColor(40, 40, 46));
            ellipse(p, {200, 490}, 24, 24, QColor(90, 90, 100));
            ellipse(p, {200, 490}, 16, 16, QColor(30, 40, 70));
            ellipse(p, {194, 484}, 5, 5, QColor(200, 220, 255, 200));
            ellipse(p, {236, 466}, 5, 4, accent);
        }
    }
}
