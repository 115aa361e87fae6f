#include "Icons.h"

#include "DrawKit.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double pi = 3.14159265358979;

// One shoe print in a 32 x 32 space, toes up; mirrored for the other foot.
void footprint(QPainter& p, QPointF at, bool left, const QColor& colour)
{
    p.save();
    p.translate(at);
    p.rotate(left ? -8 : 8);
    if (!left)
        p.scale(-1, 1);
    QPainterPath sole;
    sole.addEllipse(QPointF(0, -4), 4.2, 6);
    p.fillPath(sole, colour);
    ellipse(p, {0.6, 6.5}, 3.2, 3.4, colour);
    for (int i = 0; i < 4; ++i)
        ellipse(p, {-3.0 + i * 2.0, -11.5 + std::abs(i - 1.2) * 0.8}, 1.1, 1.3, colour);
    p.restore();
}

QPainterPath heartPath(QPointF centre, double size)
{
    // A heart `size` wide, its dip at the centre's top, its point below.
    const double s = size / 2;
    QPainterPath heart;
    heart.moveTo(centre + QPointF(0, -s * 0.45));
    heart.cubicTo(centre + QPointF(0, -s * 1.05), centre + QPointF(-s, -s * 1.0), centre + QPointF(-s, -s * 0.3));
    heart.cubicTo(centre + QPointF(-s, s * 0.25), centre + QPointF(-s * 0.35, s * 0.55), centre + QPointF(0, s * 0.95));
    heart.cubicTo(centre + QPointF(s * 0.35, s * 0.55), centre + QPointF(s, s * 0.25), centre + QPointF(s, -s * 0.3));
    heart.cubicTo(centre + QPointF(s, -s * 1.0), centre + QPointF(0, -s * 1.05), centre + QPointF(0, -s * 0.45));
    heart.closeSubpath();
    return heart;
}

// Five round petals, a ring of stamens: the plum blossom of the school crest.
void plumBlossom(QPainter& p, QPointF centre, double radius, const QColor& petal, const QColor& heart)
{
    QPainterPath flower;
    for (int i = 0; i < 5; ++i) {
        const double a = -pi / 2 + i * 2 * pi / 5;
        flower.addEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.52, radius * 0.5, radius * 0.5);
    }
    flower.setFillRule(Qt::WindingFill);
    p.fillPath(flower.simplified(), petal);
    for (int i = 0; i < 10; ++i) {
        const double a = -pi / 2 + i * 2 * pi / 10;
        const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.36;
        line(p, centre, tip, heart, radius * 0.05);
        ellipse(p, tip, radius * 0.06, radius * 0.06, heart);
    }
    ellipse(p, centre, radius * 0.14, radius * 0.14, heart);
}

// The crest in a 64 x 64 space: navy shield-round with the gold edge of the blazer.
void crest(QPainter& p, const Palette& c)
{
    ellipse(p, {32, 32}, 30, 30, c("blazer-edge"));
    ellipse(p, {32, 32}, 27, 27, vertical(5, 59, c("blazer").lighter(140), c("blazer")));
    QPainterPath ring;
    ring.addEllipse(QPointF(32, 32), 24, 24);
    stroke(p, ring, withAlpha(c("blazer-edge"), 0.8), 1.2);
    plumBlossom(p, {32, 33}, 20, c("crest").lighter(115), c("blazer-edge").lighter(110));
    ellipse(p, {27, 25}, 3, 2, QColor(255, 255, 255, 120));
}

// The class album, closed, a blossom on its cover (32 x 32).
void room(QPainter& p, const Palette& c)
{
    QPainterPath pages;
    pages.addRoundedRect(QRectF(7, 5, 22, 24), 2, 2);
    p.fillPath(pages, QColor(250, 246, 236));
    QPainterPath cover;
    cover.addRoundedRect(QRectF(4, 3, 22, 25), 2.5, 2.5);
    p.fillPath(cover, vertical(3, 28, c("stage-curtain").lighter(130), c("stage-curtain")));
    p.fillRect(QRectF(4, 3, 4, 25), c("stage-curtain").darker(130));
    line(p, {6, 3.5}, {6, 27.5}, withAlpha(c("blazer-edge"), 0.8), 0.8);
    p.fillRect(QRectF(11, 19, 12, 4), withAlpha(QColor(255, 240, 200), 0.85));
    plumBlossom(p, {17, 12}, 5.5, c("blossom"), c("blazer-edge"));
    stroke(p, cover, c("stage-curtain").darker(160), 1);
}

// A sealed letter with a heart on its flap: she said it (32 x 32, outline style).
void markLetter(QPainter& p)
{
    const QColor ink(200, 40, 80);
    QPainterPath envelope;
    envelope.addRoundedRect(QRectF(3, 8, 26, 18), 2, 2);
    p.fillPath(envelope, QColor(255, 250, 246));
    stroke(p, envelope, ink, 1.8);
    QPainterPath flap;
    flap.moveTo(4, 9);
    flap.lineTo(16, 19);
    flap.lineTo(28, 9);
    stroke(p, flap, ink, 1.5);
    const QPainterPath heart = heartPath({16, 19}, 9);
    p.fillPath(heart, QColor(240, 70, 110));
    stroke(p, heart, QColor(255, 255, 255), 0.8);
}

// Two hearts leaning together: love returned (32 x 32).
void markHearts(QPainter& p)
{
    const QPainterPath back = heartPath({11.5, 14}, 16);
    const QPainterPath front = heartPath({20.5, 18}, 16);
    p.fillPath(back, QColor(255, 150, 180));
    stroke(p, back, QColor(190, 40, 90), 1.4);
    p.fillPath(front, vertical(10, 27, QColor(255, 110, 140), QColor(220, 40, 80)));
    stroke(p, front, QColor(150, 20, 60), 1.4);
    ellipse(p, {16.5, 14}, 2, 1.4, QColor(255, 255, 255, 200));
}

// The star of the logo demo, on black (32 x 64): dim, then bright with rays.
void star(QPainter& p, QSizeF size, bool bright)
{
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::black);
    const QPointF centre(16, 30);
    const double outer = bright ? 13 : 9, inner = outer * 0.42;
    QPainterPath shape;
    for (int i = 0; i < 10; ++i) {
        const double a = -pi / 2 + i * pi / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF pt = centre + QPointF(std::cos(a), std::sin(a)) * r;
        i ? shape.lineTo(pt) : shape.moveTo(pt);
    }
    shape.closeSubpath();
    QRadialGradient halo(centre, bright ? 16 : 10);
    halo.setColorAt(0, QColor(255, 230, 150, bright ? 200 : 110));
    halo.setColorAt(1, QColor(255, 200, 100, 0));
    p.fillRect(QRectF(0, 0, 32, 64), halo);
    p.fillPath(shape, vertical(centre.y() - outer, centre.y() + outer, QColor(255, 250, 210), QColor(255, 190, 60)));
    if (bright) {
        line(p, centre + QPointF(0, -17), centre + QPointF(0, 17), QColor(255, 255, 230, 200), 0.8);
        line(p, centre + QPointF(-15, 0), centre + QPointF(15, 0), QColor(255, 255, 230, 200), 0.8);
        ellipse(p, {6, 50}, 1.2, 1.2, QColor(255, 240, 200));
        ellipse(p, {26, 10}, 0.9, 0.9, QColor(255, 240, 200));
    } else {
        ellipse(p, {25, 52}, 0.8, 0.8, QColor(200, 190, 160));
    }
    // The little shadow of the star's stand below it.
    ellipse(p, {16, 58}, 6, 1.4, QColor(80, 70, 60, bright ? 200 : 120));
}

// Cream album paper with faint fibres and pale corners.
void albumPage(QPainter& p, QSizeF size)
{
    const QRectF page(QPointF(0, 0), size);
    p.fillRect(page, vertical(0, size.height(), QColor(248, 242, 228), QColor(240, 232, 214)));
    Dice dice(29);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(dice.range(0, size.width()), dice.range(0, size.height()));
        line(p, at, at + QPointF(dice.range(-6, 6), dice.range(-2, 2)), QColor(200, 186, 160, 40), 0.5);
    }
    p.fillRect(QRectF(0, 0, size.width(), 6), QColor(190, 60, 70, 60));
}

}  // namespace

void drawIcon(QPainter& p, const QString& name, QSizeF size, const Palette& c)
{
    p.save();
    if (name == "crest") {
        p.scale(size.width() / 64, size.height() / 64);
        crest(p, c);
    } else if (name == "foot-left" || name == "foot-right") {
        p.scale(size.width() / 32, size.height() / 32);
        const QColor ink(40, 30, 30, 235);
        const bool leftAhead = name == "foot-left";
        footprint(p, {11.0, leftAhead ? 11.0 : 20.0}, true, ink);
        footprint(p, {21.0, leftAhead ? 20.0 : 11.0}, false, ink);
    } else if (name == "room") {
        room(p, c);
    } else if (name == "mark-letter") {
        markLetter(p);
    } else if (name == "mark-hearts") {
        markHearts(p);
    } else if (name == "star-dim" || name == "star-bright") {
        star(p, size, name == "star-bright");
    } else if (name == "album-page") {
        albumPage(p, size);
    } else {
        p.restore();
        throw std::runtime_error(("unknown icon " + name).toStdString());
    }
    p.restore();
}
