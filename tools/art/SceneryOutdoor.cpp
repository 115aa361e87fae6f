#include "SceneryOutdoor.h"

#include "SceneryKit.h"

#include <cmath>

namespace {

// A school block seen from the front: white walls, rows of windows catching the sun.
void schoolBlock(QPainter& p, const Palette& c, QRectF r, int floors, bool clock)
{
    p.fillRect(r, vertical(r.top(), r.bottom(), c("building"), c("building").darker(115)));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 2), c("building").darker(130));
    const double fh = r.height() / floors;
    for (int f = 0; f < floors; ++f)
        for (double x = r.left() + 4; x + 8 < r.right(); x += 11) {
            const QRectF w(x, r.top() + f * fh + fh * 0.3, 8, fh * 0.45);
            p.fillRect(w, vertical(w.top(), w.bottom(), c("sky-mid"), mix(c("sky-low"), c("sun"), 0.4)));
        }
    if (clock) {
        const QPointF at(r.center().x(), r.top() - 6);
        p.fillRect(QRectF(at.x() - 10, at.y() - 8, 20, 14), c("building"));
        ellipse(p, at, 5.5, 5.5, QColor(250, 250, 245));
        line(p, at, at + QPointF(0, -4), QColor(40, 40, 40), 0.8);
        line(p, at, at + QPointF(3, 1.5), QColor(40, 40, 40), 0.8);
    }
}

void fence(QPainter& p, const Palette& c, double top, double bottom, double opacity)
{
    const QColor wire = withAlpha(c("fence"), opacity);
    p.setPen(QPen(wire, 0.6));
    for (double x = -bottom; x < 300 + bottom; x += 6) {
        p.drawLine(QPointF(x, top), QPointF(x + (bottom - top), bottom));
        p.drawLine(QPointF(x, top), QPointF(x - (bottom - top), bottom));
    }
    p.setPen(Qt::NoPen);
    for (double x = 10; x < 300; x += 70)
        p.fillRect(QRectF(x, top - 2, 2.5, bottom - top + 2), withAlpha(c("fence").darker(130), opacity + 0.1));
    p.fillRect(QRectF(0, top - 2, 300, 2), withAlpha(c("fence").darker(130), opacity + 0.1));
}

void bench(QPainter& p, const Palette& c, QPointF at, double w)
{
    const QColor wood = c("bench");
    p.fillRect(QRectF(at.x(), at.y(), w, w * 0.07), wood);
    p.fillRect(QRectF(at.x(), at.y() - w * 0.2, w, w * 0.06), wood.darker(110));
    p.fillRect(QRectF(at.x(), at.y() - w * 0.12, w, w * 0.05), wood.darker(110));
    for (const double x : {0.08, 0.88}) {
        p.fillRect(QRectF(at.x() + w * x, at.y() - w * 0.22, w * 0.04, w * 0.45), wood.darker(150));
    }
    p.fillRect(QRectF(at.x(), at.y() + w * 0.23, w, 3), withAlpha(QColor(0, 0, 0), 0.15));
}

void ground(QPainter& p, double horizon, const QColor& near, const QColor& far)
{
    p.fillRect(QRectF(0, horizon, 300, 200 - horizon), vertical(horizon, 200, far, near));
}

// Long shadows across the ground, thrown from the low sun on the left.
void longShadow(QPainter& p, QPointF foot, double length, double width)
{
    fillPolygon(p, {foot + QPointF(-width / 2, 0), foot + QPointF(width / 2, 0), foot + QPointF(length + width, 6),
                    foot + QPointF(length, 8)}, QColor(60, 40, 80, 60));
}

} // namespace

void drawSchoolyard(QPainter& p, const Palette& c)
{
    const double horizon = 92;
    drawSky(p, c, horizon, {40, 40}, 3);
    drawDistance(p, c, horizon - 4);
    schoolBlock(p, c, QRectF(60, 48, 170, 46), 3, true);
    ground(p, horizon, c("sand"), c("sand").darker(108));
    // The running track: a flattened ring in perspective with white lane lines.
    QPainterPath track;
    track.addEllipse(QPointF(140, 136), 170, 40);
    QPainterPath infield;
    infield.addEllipse(QPointF(140, 136), 130, 24);
    p.fillPath(track.subtracted(infield), c("track"));
    for (int i = 0; i < 4; ++i) {
        QPainterPath lane;
        lane.addEllipse(QPointF(140, 136), 134 + i * 10, 25.5 + i * 4);
        stroke(p, lane, withAlpha(QColor(255, 255, 255), 0.8), 0.8);
    }
    p.fillPath(infield, c("sand").lighter(104));
    // Early cherry on the far left; the big camphor tree and the bench on the right.
    drawTree(p, c, {22, 118}, 60, 11, true);
    longShadow(p, {250, 178}, 40, 30);
    drawTree(p, c, {252, 180}, 150, 5, false);
    bench(p, c, {196, 178}, 44);
    drawSunWash(p, c, true);
}

void drawPool(QPainter& p, const Palette& c)
{
    const double horizon = 84;
    drawSky(p, c, horizon, {30, 30}, 8);
    drawDistance(p, c, horizon);
    // Changing rooms behind the far end.
    p.fillRect(QRectF(150, 56, 150, 32), c("building").darker(105));
    for (double x = 160; x < 300; x += 26)
        p.fillRect(QRectF(x, 64, 14, 8), c("sky-low"));
    const View v{{150, 84}, 90};
    ground(p, horizon, c("deck"), c("deck").darker(106));
    // The pool, its winter cover sagging between the lane ropes.
    v.quad(p, c("pool-edge"), -3.2, 1.0, 1.2, 3.2, 1.0, 1.2, 3.2, 1.0, 9, -3.2, 1.0, 9);
    v.quad(p, c("pool-cover"), -3.0, 1.0, 1.5, 3.0, 1.0, 1.5, 3.0, 1.0, 8.7, -3.0, 1.0, 8.7);
    for (double x = -3.0; x <= 3.01; x += 0.75)
        line(p, v.at(x, 1.0, 1.5), v.at(x, 1.0, 8.7), c("pool-cover").lighter(125), 1.1);
    for (double z = 2.2; z < 8.7; z += 1.4)
        v.quad(p, withAlpha(c("pool-cover").darker(125), 0.6), -3.0, 1.0, z, 3.0, 1.0, z, 3.0, 1.0, z + 0.25, -3.0, 1.0, z + 0.25);
    // Leaves and a little rain water left on the cover.
    ellipse(p, v.at(0.6, 1.0, 3.0), 16, 3, withAlpha(c("sky-low"), 0.5));
    // Starting blocks at the near end, numbered.
    for (double x = -2.6; x < 3; x += 0.75)
        v.box(p, QColor(235, 235, 230), x, x + 0.35, 0.75, 1.0, 1.25, 1.45);
    // Fence along the far side and the poolside bench.
    fence(p, c, 62, 86, 0.55);
    bench(p, c, {16, 120}, 50);
    drawSunWash(p, c, true);
}

void drawGarden(QPainter& p, const Palette& c)
{
    const double horizon = 88;
    drawSky(p, c, horizon, {46, 34}, 21);
    drawDistance(p, c, horizon);
    // Hedge and trees at the back.
    for (int i = 0; i < 10; ++i)
        ellipse(p, {i * 34.0, horizon - 2}, 24, 14, c("leaf").darker(135));
    ground(p, horizon, c("grass"), c("grass").darker(115));
    // The small greenhouse, its glass catching the sky.
    const QRectF gh(196, 56, 84, 46);
    QPainterPath house;
    house.moveTo(gh.bottomLeft());
    house.lineTo(gh.left(), gh.top() + 14);
    house.lineTo(gh.center().x(), gh.top());
    house.lineTo(gh.right(), gh.top() + 14);
    house.lineTo(gh.bottomRight());
    house.closeSubpath();
    p.fillPath(house, vertical(gh.top(), gh.bottom(), mix(c("sky-mid"), QColor(255, 255, 255), 0.3), mix(c("leaf"), c("sky-low"), 0.5)));
    for (double x = gh.left(); x <= gh.right() + 0.1; x += 12)
        line(p, {x, gh.bottom()}, {x, gh.top() + 14 - 14 * (1 - std::abs(x - gh.center().x()) / 42) * 1.0}, QColor(250, 250, 250), 1.1);
    line(p, {gh.left(), gh.top() + 30}, {gh.right(), gh.top() + 30}, QColor(250, 250, 250), 1.1);
    stroke(p, house, QColor(250, 250, 250), 1.5);
    for (int i = 0; i < 6; ++i)
        ellipse(p, {gh.left() + 10 + i * 13.0, gh.bottom() - 6}, 5, 4, withAlpha(QColor(200, 80, 100), 0.7));
    // The pond with the sky in it.
    QPainterPath pond;
    pond.addEllipse(QPointF(130, 150), 120, 30);
    p.fillPath(pond, vertical(120, 180, mix(c("sky-low"), c("water"), 0.4), c("water")));
    stroke(p, pond, c("stone"), 4);
    for (int i = 0; i < 4; ++i)
        line(p, {70.0 + i * 30, 146.0 + i % 2 * 8}, {90.0 + i * 30, 146.0 + i % 2 * 8}, withAlpha(QColor(255, 255, 255), 0.5), 1);
    // The wooden bridge arching across it.
    QPainterPath deck;
    deck.moveTo(60, 176);
    deck.quadTo(130, 118, 200, 176);
    deck.lineTo(200, 184);
    deck.quadTo(130, 128, 60, 184);
    deck.closeSubpath();
    p.fillPath(deck, c("bench"));
    QPainterPath rail;
    rail.moveTo(60, 162);
    rail.quadTo(130, 104, 200, 162);
    stroke(p, rail, c("bench").darker(120), 2.5);
    for (double t = 0.05; t < 1; t += 0.15) {
        const QPointF a = QPointF(60 + 140 * t, 176 - 116 * t * (1 - t) * 2.0);
        line(p, a, a + QPointF(0, -14), c("bench").darker(120), 1.6);
    }
    // The old plum tree in flower, leaning over the water.
    QPainterPath trunk;
    trunk.moveTo(14, 200);
    trunk.cubicTo(30, 150, 4, 120, 40, 90);
    trunk.cubicTo(60, 74, 80, 80, 100, 60);
    trunk.lineTo(104, 64);
    trunk.cubicTo(84, 88, 64, 88, 50, 104);
    trunk.cubicTo(30, 128, 48, 160, 34, 200);
    trunk.closeSubpath();
    p.fillPath(trunk, c("trunk").darker(120));
    line(p, {42, 96}, {20, 60}, c("trunk").darker(120), 3);
    line(p, {70, 82}, {84, 46}, c("trunk").darker(120), 2.5);
    Dice dice(4);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(dice.range(5, 120), dice.range(36, 110));
        if ((at - QPointF(60, 70)).manhattanLength() > 80)
            continue;
        ellipse(p, at, 2.6, 2.6, i % 3 ? c("plum") : QColor(252, 244, 246));
        ellipse(p, at, 0.8, 0.8, QColor(250, 220, 120));
    }
    for (int i = 0; i < 8; ++i)
        ellipse(p, {dice.range(150, 290), dice.range(170, 196)}, 10, 4, c("stone"));
    drawSunWash(p, c, true);
}
