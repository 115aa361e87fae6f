#include "SceneryWay.h"

#include "SceneryKit.h"

#include <QFont>
#include <cmath>

namespace {

void walkway(QPainter& p, const Palette& c, const View& v, double far)
{
    v.quad(p, c("paving"), -0.9, 1, 0.6, 0.9, 1, 0.6, 0.9, 1, far, -0.9, 1, far);
    for (double z = 0.7; z < far; z *= 1.18)
        line(p, v.at(-0.9, 1, z), v.at(0.9, 1, z), c("paving").darker(115), 0.7);
    line(p, v.at(0, 1, 0.6), v.at(0, 1, far), c("paving").darker(112), 0.7);
}

// The sea and the harbour town far below the hill, seen past the gate.
void harbour(QPainter& p, const Palette& c, double horizon, bool lights)
{
    p.fillRect(QRectF(0, horizon, 300, 30), vertical(horizon, horizon + 30, mix(c("sky-low"), c("water"), 0.3), c("water")));
    line(p, {100, horizon + 4}, {180, horizon + 4}, withAlpha(c("sun"), 0.8), 1.5);
    line(p, {120, horizon + 9}, {165, horizon + 9}, withAlpha(c("sun"), 0.6), 1.2);
    Dice dice(31);
    for (double x = 0; x < 300; x += dice.range(6, 12)) {
        const double h = dice.range(4, 12);
        p.fillRect(QRectF(x, horizon + 16 - h, dice.range(6, 11), h + 14), c("town"));
        if (lights && dice.next() < 0.6)
            ellipse(p, {x + 4, horizon + 14 - h / 2}, 1.2, 1.2, QColor(255, 220, 140));
    }
}

} // namespace

// Stone pillars, the name plate and the sliding iron gate, half drawn at closing time.
void drawGate(QPainter& p, const Palette& c)
{
    const double horizon = 96;
    drawSky(p, c, horizon, {150, 92}, 40);
    harbour(p, c, horizon, false);
    p.fillRect(QRectF(0, 124, 300, 76), vertical(124, 200, c("paving").darker(110), c("paving")));
    const View v{{150, 120}, 90};
    v.quad(p, c("paving").lighter(108), -1.0, 1, 0.7, 1.0, 1, 0.7, 0.5, 1, 20, -0.5, 1, 20);
    // Cherry trees either side of the gate road.
    drawTree(p, c, {18, 150}, 110, 2, true);
    drawTree(p, c, {288, 150}, 100, 9, true);
    // Pillars.
    for (const double x : {62.0, 206.0}) {
        const QRectF pillar(x, 60, 32, 110);
        p.fillRect(pillar, vertical(60, 170, c("stone").lighter(110), c("stone").darker(120)));
        p.fillRect(QRectF(x - 3, 56, 38, 7), c("stone").darker(110));
        p.fillRect(QRectF(x + (x < 150 ? 26 : 0), 60, 6, 110), withAlpha(QColor(60, 30, 60), 0.25));
    }
    // The bronze name plate on the left pillar.
    p.fillRect(QRectF(68, 72, 20, 74), c("plate"));
    QFont font("IPAMincho");
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(QColor(40, 30, 20));
    const QString name = QString::fromUtf8("私立ベルムーア学園");
    for (int i = 0; i < name.size(); ++i)
        p.drawText(QRectF(68, 73 + i * 8, 20, 8), Qt::AlignCenter, name.mid(i, 1));
    p.setPen(Qt::NoPen);
    // The iron gate, drawn half shut at closing time and shut after.
    const double open = 160;
    p.fillRect(QRectF(94, 110, open - 94, 3), c("iron"));
    p.fillRect(QRectF(94, 160, open - 94, 3), c("iron"));
    for (double x = 96; x < open; x += 6)
        line(p, {x, 104}, {x, 168}, c("iron"), 1.6);
    ellipse(p, {open - 6, 170}, 3, 3, c("iron"));
    // The street lamp, not lit yet.
    line(p, {250, 170}, {250, 70}, c("iron"), 2.5);
    line(p, {250, 72}, {240, 68}, c("iron"), 2);
    ellipse(p, {238, 70}, 5, 3, c("iron").lighter(140));
}

void drawPath(QPainter& p, const Palette& c)
{
    const double horizon = 100;
    drawSky(p, c, horizon, {20, 40}, 17);
    const View v{{160, 100}, 80};
    // The main building on the left, the special building on the right, joined far off.
    v.quad(p, c("building"), -1.6, -3.0, 0.5, -1.6, 1, 0.5, -1.6, 1, 12, -1.6, -3.0, 12);
    for (double z = 0.8; z < 12; z *= 1.35)
        for (const double y : {-2.3, -1.1})
            v.quad(p, mix(c("sky-low"), c("sun"), 0.4), -1.6, y, z, -1.6, y, z * 1.2, -1.6, y + 0.6, z * 1.2, -1.6, y + 0.6, z);
    v.quad(p, c("building").darker(110), 2.2, -2.4, 3, 2.2, 1, 3, 2.2, 1, 12, 2.2, -2.4, 12);
    v.quad(p, c("building").darker(105), -1.6, -3, 12, 2.2, -3, 12, 2.2, 1, 12, -1.6, 1, 12);
    p.fillRect(QRectF(0, 118, 300, 82), c("grass"));
    fillPolygon(p, {{140, 104}, {300, 104}, {300, 200}, {220, 200}}, c("grass").darker(106));
    walkway(p, c, v, 12);
    // Long shadows of the building across the walk.
    v.quad(p, QColor(70, 40, 90, 55), -0.9, 1, 0.6, 0.2, 1, 0.6, -0.3, 1, 12, -0.9, 1, 12);
    // Cherry trees and a lamp on the right.
    drawTree(p, c, {230, 150}, 90, 6, true);
    drawTree(p, c, {282, 182}, 120, 14, true);
    line(p, {196, 160}, {196, 70}, c("iron"), 2);
    ellipse(p, {196, 68}, 4, 3, c("iron").lighter(140));
    drawSunWash(p, c, true);
}

void drawGateCall(QPainter& p, const Palette& c)
{
    // His view on the way out: through the open gate, down the hill road to the harbour and
    // the setting sun, the pillars close on either side. The voice comes from behind.
    const double horizon = 88;
    drawSky(p, c, horizon, {170, 70}, 44);
    harbour(p, c, horizon, true);
    // The hill road, falling away between hedges.
    p.fillRect(QRectF(0, 112, 300, 88), vertical(112, 200, c("leaf").darker(150), c("leaf").darker(120)));
    fillPolygon(p, {{128, 112}, {176, 112}, {280, 200}, {20, 200}}, vertical(112, 200, c("paving").darker(105), c("paving")));
    for (int i = 0; i < 5; ++i) {
        const double t = i / 5.0;
        line(p, {152 - 4 * t, 114 + 86 * t * t}, {152 - 5 * t, 118 + 86 * t * t}, QColor(250, 246, 230), 1 + 2 * t);
    }
    drawTree(p, c, {24, 140}, 80, 23, true);
    drawTree(p, c, {282, 136}, 70, 24, true);
    // His long shadow runs ahead of him down the road; hers has just joined it.
    fillPolygon(p, {{150, 200}, {166, 200}, {160, 138}, {156, 138}}, withAlpha(c("silhouette"), 0.45));
    fillPolygon(p, {{112, 200}, {126, 200}, {140, 150}, {137, 150}}, withAlpha(c("silhouette"), 0.35));
    // The gate pillars, near, at the edges of his view, the iron gate pushed back.
    for (const double x : {0.0, 262.0}) {
        const QRectF pillar(x, 20, 38, 180);
        p.fillRect(pillar, vertical(20, 200, c("stone").lighter(105), c("stone").darker(140)));
        p.fillRect(QRectF(x - 4, 14, 46, 10), c("stone").darker(115));
        p.fillRect(QRectF(x + (x < 150 ? 30 : 0), 20, 8, 180), withAlpha(QColor(60, 30, 60), 0.3));
    }
    p.fillRect(QRectF(262 - 10, 80, 10, 4), c("iron"));
    for (double x = 238; x < 262; x += 5)
        line(p, {x, 70}, {x, 190}, c("iron"), 2);
    // A lamp just lit at the left pillar.
    ellipse(p, {19, 10}, 7, 5, QColor(255, 232, 170));
    QRadialGradient g(QPointF(19, 12), 46);
    g.setColorAt(0, QColor(255, 220, 150, 150));
    g.setColorAt(1, QColor(255, 220, 150, 0));
    p.fillRect(QRectF(0, 0, 70, 60), g);
}
