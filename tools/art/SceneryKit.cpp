#include "SceneryKit.h"

#include <cmath>

void View::box(QPainter& p, const QColor& colour, double x0, double x1, double y0, double y1, double z0,
               double z1) const
{
    if (y0 > 0) // top visible when the box lies below the eye
        quad(p, colour.lighter(112), x0, y0, z0, x1, y0, z0, x1, y0, z1, x0, y0, z1);
    if (x0 > 0)
        quad(p, colour.darker(125), x0, y0, z0, x0, y1, z0, x0, y1, z1, x0, y0, z1);
    if (x1 < 0)
        quad(p, colour.darker(125), x1, y0, z0, x1, y1, z0, x1, y1, z1, x1, y0, z1);
    quad(p, colour, x0, y0, z0, x1, y0, z0, x1, y1, z0, x0, y1, z0);
}

void drawSky(QPainter& p, const Palette& c, double horizon, QPointF sun, unsigned seed)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, c("sky-top"));
    sky.setColorAt(0.6, c("sky-mid"));
    sky.setColorAt(1, c("sky-low"));
    p.fillRect(QRectF(0, 0, 300, horizon + 1), sky);
    QRadialGradient halo(sun, 120);
    halo.setColorAt(0, withAlpha(c("sun"), 0.9));
    halo.setColorAt(0.15, withAlpha(c("sun"), 0.5));
    halo.setColorAt(1, withAlpha(c("sun"), 0));
    p.fillRect(QRectF(0, 0, 300, horizon + 1), halo);
    ellipse(p, sun, 9, 9, c("sun").lighter(115));
    Dice dice(seed);
    for (int i = 0; i < 5; ++i) {
        const QPointF at(dice.range(0, 300), dice.range(10, horizon * 0.7));
        const double w = dice.range(30, 70);
        const QColor cloud = c("cloud");
        for (int k = 0; k < 4; ++k)
            ellipse(p, at + QPointF((k - 1.5) * w / 4, (k % 2) * 2), w / 4, w / 12, withAlpha(cloud, 0.55));
        ellipse(p, at + QPointF(0, 2), w / 2, w / 20, withAlpha(cloud.lighter(110), 0.5));
    }
}

void drawDistance(QPainter& p, const Palette& c, double horizon)
{
    QPainterPath hills;
    hills.moveTo(0, horizon);
    for (int x = 0; x <= 300; x += 10)
        hills.lineTo(x, horizon - 8 - 6 * std::sin(x * 0.021) - 4 * std::sin(x * 0.07 + 1));
    hills.lineTo(300, horizon + 2);
    hills.lineTo(0, horizon + 2);
    hills.closeSubpath();
    p.fillPath(hills, mix(c("far"), c("sky-low"), 0.4));
}

// A cherry in hard bud is bare twigs with dark buds; any other tree is in leaf.
void drawTree(QPainter& p, const Palette& c, QPointF base, double size, unsigned seed, bool budding)
{
    const QColor trunk = c("trunk");
    QPainterPath stem;
    stem.moveTo(base + QPointF(-size * 0.09, 0));
    stem.quadTo(base + QPointF(-size * 0.04, -size * 0.4), base + QPointF(-size * 0.02, -size * 0.7));
    stem.lineTo(base + QPointF(size * 0.04, -size * 0.7));
    stem.quadTo(base + QPointF(size * 0.05, -size * 0.4), base + QPointF(size * 0.1, 0));
    stem.closeSubpath();
    p.fillPath(stem, trunk);
    Dice dice(seed);
    const QPointF crown = base + QPointF(0, -size * 0.9);
    if (budding) {
        const QPointF fork = base + QPointF(size * 0.01, -size * 0.68);
        for (int i = 0; i < 7; ++i) {
            const double a = -2.7 + i * 0.4 + dice.range(-0.12, 0.12);
            const QPointF tip = fork + QPointF(std::cos(a) * size * 0.5, std::sin(a) * size * 0.42);
            line(p, fork, tip, trunk, size * 0.025);
            for (int twig = 1; twig <= 2; ++twig) {
                const QPointF from = fork + (tip - fork) * (0.45 + twig * 0.2);
                const double b = a + (twig % 2 ? 0.5 : -0.5);
                const QPointF end = from + QPointF(std::cos(b) * size * 0.16, std::sin(b) * size * 0.14);
                line(p, from, end, trunk, size * 0.012);
                ellipse(p, end, size * 0.012, size * 0.012, trunk.darker(160));
            }
            ellipse(p, tip, size * 0.014, size * 0.014, trunk.darker(160));
        }
        return;
    }
    const QColor leaf = c("leaf");
    for (int layer = 0; layer < 3; ++layer) {
        const QColor tone = layer == 0 ? leaf.darker(140) : layer == 1 ? leaf : mix(leaf, c("light"), 0.35);
        for (int i = 0; i < 9; ++i) {
            const double a = dice.range(0, 6.283);
            const double r = dice.range(0, size * 0.45) * (1 - layer * 0.25);
            const QPointF at = crown + QPointF(std::cos(a) * r * 1.3, std::sin(a) * r * 0.8)
                               + QPointF(layer * size * 0.06, -layer * size * 0.05);
            ellipse(p, at, size * (0.28 - layer * 0.06), size * (0.22 - layer * 0.05), tone);
        }
    }
}

void drawSunWash(QPainter& p, const Palette& c, bool fromLeft)
{
    QLinearGradient wash(fromLeft ? 0 : 300, 0, fromLeft ? 300 : 0, 0);
    wash.setColorAt(0, withAlpha(c("light"), 0.35));
    wash.setColorAt(1, withAlpha(c("light"), 0));
    p.fillRect(QRectF(0, 0, 300, 200), wash);
}
