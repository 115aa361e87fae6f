// Inside the buildings: the third-year corridor, the library, the art room and the gym.
#include "SceneryIndoor.h"

#include "SceneryKit.h"

#include <QFont>

namespace {

// Window panes showing the afternoon sky, with frames.
void windowPane(QPainter& p, const Palette& c, const QPolygonF& pane)
{
    QPainterPath path;
    path.addPolygon(pane);
    path.closeSubpath();
    const QRectF r = pane.boundingRect();
    p.fillPath(path, vertical(r.top(), r.bottom(), c("sky-mid"), c("sky-low")));
    QRadialGradient glow(r.center(), r.width());
    glow.setColorAt(0, withAlpha(c("sun"), 0.5));
    glow.setColorAt(1, withAlpha(c("sun"), 0));
    p.fillPath(path, glow);
    stroke(p, path, c("frame"), 1.6);
}

} // namespace

void drawCorridor(QPainter& p, const Palette& c)
{
    const View v{{176, 96}, 100};
    const double L = -1.6, R = 1.0, F = 1.0, C = -1.4, near = 0.8, far = 7;
    const QColor wall = c("wall"), floor = c("floor-lino");
    v.quad(p, c("ceiling"), L, C, near, R, C, near, R, C, far, L, C, far);
    v.quad(p, wall, L, C, near, L, F, near, L, F, far, L, C, far);
    v.quad(p, wall.darker(112), R, C, near, R, F, near, R, F, far, R, C, far);
    v.quad(p, floor, L, F, near, R, F, near, R, F, far, L, F, far);
    // The far end: a wall with the stairs door.
    v.quad(p, wall.darker(105), L, C, far, R, C, far, R, F, far, L, F, far);
    v.quad(p, c("door"), -0.5, -0.6, far, 0.2, -0.6, far, 0.2, F, far, -0.5, F, far);
    // Ceiling lights.
    for (double z = 1.4; z < far; z += 1.3)
        v.quad(p, QColor(250, 248, 240), -0.5, C, z, -0.1, C, z, -0.1, C, z + 0.5, -0.5, C, z + 0.5);
    // Windows along the left wall and the light they throw on the floor.
    for (double z = 1.0; z < far - 0.3; z += 1.1) {
        const double z1 = z + 0.85;
        windowPane(p, c, QPolygonF({v.at(L, -1.05, z), v.at(L, -1.05, z1), v.at(L, 0.05, z1), v.at(L, 0.05, z)}));
        p.setPen(QPen(c("frame"), 1.2));
        p.drawLine(v.at(L, -0.5, z), v.at(L, -0.5, z1));
        p.drawLine(v.at(L, -1.05, (z + z1) / 2), v.at(L, 0.05, (z + z1) / 2));
        p.setPen(Qt::NoPen);
        v.quad(p, withAlpha(c("light"), 0.45), L, F, z + 0.3, L + 1.5, F, z + 0.6, L + 1.5, F, z1 + 0.6, L, F, z1 + 0.3);
    }
    // The lockers on the right, in a long row.
    for (double z = near; z < far - 0.6; z += 0.45) {
        const QColor steel = c("locker");
        v.quad(p, steel, R, -0.3, z, R, F, z, R, F, z + 0.43, R, -0.3, z + 0.43);
        v.quad(p, steel.darker(118), R, 0.35, z, R, 0.38, z, R, 0.38, z + 0.43, R, 0.35, z + 0.43);
        for (double y = -0.2; y < 0.3; y += 0.1)
            p.setPen(QPen(steel.darker(140), 0.6)), p.drawLine(v.at(R, y, z + 0.1), v.at(R, y, z + 0.32));
        p.setPen(Qt::NoPen);
        v.quad(p, steel.lighter(120), R, -0.3, z, R, F, z, R, F, z + 0.02, R, -0.3, z + 0.02);
    }
    // The notice board above the lockers, a bulletin of the graduation.
    v.quad(p, c("cork"), R, -1.0, 1.5, R, -0.45, 1.5, R, -0.45, 3.2, R, -1.0, 3.2);
    v.quad(p, QColor(250, 250, 245), R, -0.92, 1.8, R, -0.55, 1.8, R, -0.55, 2.4, R, -0.92, 2.4);
    v.quad(p, QColor(250, 226, 226), R, -0.9, 2.6, R, -0.6, 2.6, R, -0.6, 3.0, R, -0.9, 3.0);
    drawSunWash(p, c, true);
}

void drawLibrary(QPainter& p, const Palette& c)
{
    const View v{{140, 92}, 110};
    const double L = -2.0, R = 2.0, F = 1.0, C = -1.6, near = 0.9, far = 5.0;
    v.quad(p, c("ceiling"), L, C, near, R, C, near, R, C, far, L, C, far);
    v.quad(p, c("wall"), L, C, far, R, C, far, R, F, far, L, F, far);
    v.quad(p, c("floor-wood"), L, F, near, R, F, near, R, F, far, L, F, far);
    // A wide window on the far wall, the low sun outside.
    windowPane(p, c, QPolygonF({v.at(-1.5, -1.2, far), v.at(1.1, -1.2, far), v.at(1.1, 0.1, far), v.at(-1.5, 0.1, far)}));
    for (double x = -0.85; x < 1.1; x += 0.65)
        line(p, v.at(x, -1.2, far), v.at(x, 0.1, far), c("frame"), 1.4);
    // Curtains gathered at the sides.
    v.quad(p, c("curtain"), -1.7, -1.3, far, -1.4, -1.3, far, -1.3, 0.3, far, -1.8, 0.3, far);
    v.quad(p, c("curtain"), 1.0, -1.3, far, 1.3, -1.3, far, 1.4, 0.3, far, 0.9, 0.3, far);
    // Shelves on both side walls, filled with books.
    Dice dice(7);
    const QList<QColor> spines{c("book1"), c("book2"), c("book3"), c("book4"), c("book5")};
    for (const double x : {L, R}) {
        v.quad(p, c("shelf"), x, C, near, x, F, near, x, F, far, x, C, far);
        for (double y = -1.3; y < 0.9; y += 0.42) {
            for (double z = near; z < far; z += dice.range(0.05, 0.1)) {
                const double z1 = z + 0.06, top = y + dice.range(0.02, 0.1);
                v.quad(p, spines[int(dice.range(0, 5))], x, top, z, x, y + 0.36, z, x, y + 0.36, z1, x, top, z1);
            }
            v.quad(p, c("shelf").darker(120), x, y + 0.36, near, x, y + 0.42, near, x, y + 0.42, far, x, y + 0.36, far);
        }
    }
    // Reading tables with chairs.
    for (const double z : {2.0, 3.4}) {
        v.box(p, c("chair-wood"), -1.0, -0.96, 0.45, F, z + 0.5, z + 0.52);
        v.box(p, c("table"), -1.2, 0.8, 0.35, 0.42, z, z + 0.6);
        v.box(p, c("chair-wood"), 0.6, 0.64, 0.45, F, z, z + 0.04);
    }
    v.quad(p, withAlpha(c("light"), 0.35), -1.2, F, far, 1.0, F, far, 1.6, F, 2.0, -1.6, F, 2.0);
    drawSunWash(p, c, false);
}

void drawArtRoom(QPainter& p, const Palette& c)
{
    const View v{{160, 96}, 110};
    const double L = -2.2, R = 2.2, F = 1.0, C = -1.6, near = 0.9, far = 4.6;
    v.quad(p, c("ceiling"), L, C, near, R, C, near, R, C, far, L, C, far);
    v.quad(p, c("wall"), L, C, far, R, C, far, R, F, far, L, F, far);
    v.quad(p, c("wall").darker(110), L, C, near, L, F, near, L, F, far, L, C, far);
    v.quad(p, c("floor-wood"), L, F, near, R, F, near, R, F, far, L, F, far);
    for (double x = -1.8; x < 1.8; x += 0.9)
        windowPane(p, c, QPolygonF({v.at(x, -1.2, far), v.at(x + 0.8, -1.2, far), v.at(x + 0.8, 0.0, far), v.at(x, 0.0, far)}));
    // Plaster bust on a shelf and jars of brushes.
    v.box(p, c("shelf"), -2.2, -1.2, 0.2, 0.26, 2.0, 3.5);
    ellipse(p, v.at(-1.9, -0.05, 2.6), 5, 7, QColor(240, 236, 228));
    ellipse(p, v.at(-1.9, 0.12, 2.6), 7, 4, QColor(226, 222, 214));
    // Easels with canvases, one of them covered with a cloth.
    const auto easel = [&](double x, double z, const QColor& canvas) {
        line(p, v.at(x - 0.3, F, z), v.at(x, -0.9, z), c("chair-wood"), 2);
        line(p, v.at(x + 0.3, F, z), v.at(x, -0.9, z), c("chair-wood"), 2);
        v.quad(p, canvas, x - 0.35, -0.8, z - 0.02, x + 0.35, -0.8, z - 0.02, x + 0.35, 0.1, z - 0.02, x - 0.35, 0.1, z - 0.02);
    };
    easel(-1.1, 3.6, QColor(246, 242, 232));
    easel(1.3, 3.2, QColor(230, 226, 240));
    easel(0.1, 2.3, c("cloth"));
    // A painting in progress in front: the school on its hill at sunset.
    const QRectF art(v.at(0.9, -0.9, 1.6), v.at(1.7, 0.2, 1.6));
    line(p, v.at(1.0, F, 1.6), v.at(1.3, -1.0, 1.6), c("chair-wood"), 3);
    line(p, v.at(1.6, F, 1.6), v.at(1.3, -1.0, 1.6), c("chair-wood"), 3);
    p.fillRect(art, vertical(art.top(), art.bottom(), QColor(250, 190, 140), QColor(200, 110, 120)));
    p.fillRect(QRectF(art.left() + art.width() * 0.2, art.top() + art.height() * 0.5, art.width() * 0.6,
                      art.height() * 0.25), QColor(245, 236, 220));
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(art.left() + art.width() * (0.25 + i * 0.1), art.top() + art.height() * 0.57,
                          art.width() * 0.05, art.height() * 0.06), QColor(120, 130, 170));
    p.fillRect(QRectF(art.left(), art.top() + art.height() * 0.75, art.width(), art.height() * 0.25),
               QColor(120, 140, 90));
    stroke(p, [&] { QPainterPath r; r.addRect(art); return r; }(), QColor(150, 110, 70), 2);
    drawSunWash(p, c, false);
}

void drawGym(QPainter& p, const Palette& c)
{
    const View v{{150, 80}, 90};
    const double L = -3.0, R = 3.0, F = 1.2, C = -2.2, near = 0.8, far = 8.0;
    v.quad(p, c("ceiling").darker(115), L, C, near, R, C, near, R, C, far, L, C, far);
    v.quad(p, c("wall"), L, C, near, L, F, near, L, F, far, L, C, far);
    v.quad(p, c("wall"), R, C, near, R, F, near, R, F, far, R, C, far);
    v.quad(p, c("floor-wood"), L, F, near, R, F, near, R, F, far, L, F, far);
    for (double x = L + 0.4; x < R; x += 0.4)
        line(p, v.at(x, F, near), v.at(x, F, far), withAlpha(c("floor-wood").darker(125), 0.5), 0.6);
    // High windows along the sides, and their light on the floor.
    for (double z = 1.5; z < far - 0.5; z += 1.5) {
        windowPane(p, c, QPolygonF({v.at(L, -1.9, z), v.at(L, -1.9, z + 1), v.at(L, -1.2, z + 1), v.at(L, -1.2, z)}));
        windowPane(p, c, QPolygonF({v.at(R, -1.9, z), v.at(R, -1.9, z + 1), v.at(R, -1.2, z + 1), v.at(R, -1.2, z)}));
        v.quad(p, withAlpha(c("light"), 0.3), L + 1.5, F, z + 0.6, L + 3.2, F, z + 0.9, L + 3.2, F, z + 1.9, L + 1.5, F, z + 1.6);
    }
    // The stage: red-and-white curtain on the wall behind the dais, the ceremony banner.
    v.quad(p, c("wall").darker(108), L, C, far, R, C, far, R, F, far, L, F, far);
    v.quad(p, c("stage-curtain"), -2.4, -2.0, far, 2.4, -2.0, far, 2.4, 0.2, far, -2.4, 0.2, far);
    for (double x = -2.4; x < 2.4; x += 0.3)
        line(p, v.at(x, -2.0, far), v.at(x, 0.2, far), withAlpha(c("stage-curtain").darker(140), 0.6), 1);
    v.quad(p, QColor(250, 250, 250), -1.6, -1.9, far, 1.6, -1.9, far, 1.6, -1.45, far, -1.6, -1.45, far);
    p.setPen(QColor(40, 30, 30));
    QFont font("IPAMincho");
    font.setPixelSize(7);
    p.setFont(font);
    p.drawText(QRectF(v.at(-1.6, -1.9, far), v.at(1.6, -1.45, far)), Qt::AlignCenter,
               QString::fromUtf8("第二十八回　卒業証書授与式"));
    p.setPen(Qt::NoPen);
    // Red-and-white ceremonial drape along the stage front.
    for (double x = -2.8; x < 2.8; x += 0.5)
        v.quad(p, int((x + 3) / 0.5) % 2 ? QColor(250, 250, 250) : QColor(210, 40, 50), x, 0.2, far - 0.8, x + 0.5, 0.2,
               far - 0.8, x + 0.5, F, far - 0.8, x, F, far - 0.8);
    v.quad(p, c("floor-wood").lighter(110), -2.8, 0.2, far - 0.8, 2.8, 0.2, far - 0.8, 2.8, 0.2, far, -2.8, 0.2, far);
    // Flowers on the stage and the lectern.
    v.box(p, QColor(120, 80, 50), -0.3, 0.3, -0.4, 0.2, far - 0.4, far - 0.2);
    for (int i = 0; i < 7; ++i)
        ellipse(p, v.at(1.8 + (i % 3) * 0.15, -0.1 - (i / 3) * 0.12, far - 0.4), 3, 3,
                i % 2 ? QColor(250, 200, 210) : QColor(250, 240, 200));
    // The folding chairs still set out in rows.
    for (double z = far - 1.6; z > near + 0.6; z -= 0.6)
        for (double x = -2.5; x < 2.5; x += 0.42) {
            if (std::abs(x + 0.02) < 0.2)
                continue; // centre aisle
            const QColor steel = c("chair-steel");
            v.quad(p, steel, x, 0.45, z, x + 0.32, 0.45, z, x + 0.32, 0.45, z + 0.28, x, 0.45, z + 0.28);
            v.quad(p, steel.darker(130), x, 0.0, z, x + 0.32, 0.0, z, x + 0.32, 0.45, z, x, 0.45, z);
            line(p, v.at(x + 0.03, 0.45, z), v.at(x + 0.03, F, z), steel.darker(150), 0.8);
            line(p, v.at(x + 0.29, 0.45, z), v.at(x + 0.29, F, z), steel.darker(150), 0.8);
        }
    drawSunWash(p, c, true);
}

void drawMusicRoom(QPainter& p, const Palette& c)
{
    const View v{{150, 94}, 110};
    const double L = -2.4, R = 2.4, F = 1.0, C = -1.6, near = 0.9, far = 4.4;
    v.quad(p, c("ceiling"), L, C, near, R, C, near, R, C, far, L, C, far);
    v.quad(p, c("wall"), L, C, far, R, C, far, R, F, far, L, F, far);
    v.quad(p, c("wall").darker(108), L, C, near, L, F, near, L, F, far, L, C, far);
    v.quad(p, c("curtain").darker(115), R, C, near, R, F, near, R, F, far, R, C, far);
    v.quad(p, c("floor-wood"), L, F, near, R, F, near, R, F, far, L, F, far);
    // Windows down the left wall; their light lies across the floor.
    for (double z = 1.2; z < far - 0.4; z += 1.0) {
        windowPane(p, c, QPolygonF({v.at(L, -1.2, z), v.at(L, -1.2, z + 0.75), v.at(L, 0.0, z + 0.75), v.at(L, 0.0, z)}));
        v.quad(p, withAlpha(c("light"), 0.4), L, F, z + 0.2, L + 1.6, F, z + 0.5, L + 1.6, F, z + 1.2, L, F, z + 0.9);
    }
    // The blackboard with music staves, and portraits of composers above it.
    v.quad(p, QColor(46, 78, 62), -1.4, -1.1, far, 1.4, -1.1, far, 1.4, -0.1, far, -1.4, -0.1, far);
    for (int staff = 0; staff < 2; ++staff)
        for (int k = 0; k < 5; ++k) {
            const double y = -0.95 + staff * 0.45 + k * 0.06;
            line(p, v.at(-1.3, y, far), v.at(1.3, y, far), QColor(230, 236, 230, 170), 0.6);
        }
    for (int i = 0; i < 6; ++i) {
        const QPointF note = v.at(-1.0 + i * 0.4, -0.89 + (i % 3) * 0.06, far);
        ellipse(p, note, 1.8, 1.3, QColor(245, 245, 240));
        line(p, note + QPointF(1.6, 0), note + QPointF(1.6, -7), QColor(245, 245, 240), 0.7);
    }
    for (double x = -1.9; x < 2.0; x += 0.95)
        v.quad(p, c("frame"), x, -1.5, far, x + 0.4, -1.5, far, x + 0.4, -1.2, far, x, -1.2, far);
    // Tiers of chairs and music stands.
    for (double z = 2.6; z < 3.8; z += 0.6)
        for (double x = -1.8; x < 1.0; x += 0.55) {
            v.box(p, c("chair-steel"), x, x + 0.3, 0.5, 0.56, z, z + 0.3);
            line(p, v.at(x + 0.4, 0.0, z - 0.1), v.at(x + 0.4, F, z - 0.1), c("iron"), 1);
            v.quad(p, c("iron"), x + 0.25, -0.15, z - 0.1, x + 0.55, -0.15, z - 0.1, x + 0.55, 0.05, z - 0.1, x + 0.25, 0.05, z - 0.1);
        }
    // The grand piano on the right, lid raised, its black catching the window light.
    const QColor black(24, 22, 28);
    QPainterPath body;
    body.moveTo(v.at(1.0, 0.1, 1.8));
    body.lineTo(v.at(2.3, 0.1, 1.8));
    body.cubicTo(v.at(2.3, 0.1, 2.6), v.at(1.9, 0.1, 3.2), v.at(1.5, 0.1, 3.3));
    body.lineTo(v.at(1.0, 0.1, 3.3));
    body.closeSubpath();
    p.fillPath(body, black);
    fillPolygon(p, {v.at(1.0, 0.1, 1.8), v.at(2.3, 0.1, 1.8), v.at(2.3, 0.4, 1.8), v.at(1.0, 0.4, 1.8)}, black.lighter(130));
    fillPolygon(p, {v.at(1.05, 0.1, 3.2), v.at(1.1, -1.1, 2.6), v.at(1.2, 0.1, 2.0)}, black.lighter(150));
    fillPolygon(p, {v.at(1.0, 0.1, 1.8), v.at(2.3, 0.1, 1.8), v.at(2.3, 0.05, 1.65), v.at(1.0, 0.05, 1.65)}, QColor(245, 242, 232));
    for (double x = 1.05; x < 2.3; x += 0.09)
        line(p, v.at(x, 0.05, 1.7), v.at(x, 0.07, 1.76), black, 0.8);
    for (const double x : {1.1, 2.2})
        line(p, v.at(x, 0.4, 1.85), v.at(x, F, 1.85), black, 2.5);
    line(p, v.at(1.3, 0.1, 1.8), v.at(2.0, 0.1, 1.8), withAlpha(c("light"), 0.8), 1);
    drawSunWash(p, c, true);
}
