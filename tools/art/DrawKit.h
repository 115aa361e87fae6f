// Small drawing helpers shared by the scenery and the figures.
#pragma once
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <initializer_list>

inline QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

inline QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(alpha));
    return c;
}

inline QLinearGradient vertical(double y0, double y1, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

inline void fill(QPainter& p, const QPainterPath& path, const QBrush& brush) { p.fillPath(path, brush); }

inline void fillPolygon(QPainter& p, std::initializer_list<QPointF> points, const QBrush& brush)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    p.fillPath(path, brush);
}

inline void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

inline void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

inline void ellipse(QPainter& p, QPointF centre, double rx, double ry, const QBrush& brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(centre, rx, ry);
    p.setBrush(Qt::NoBrush);
}

// A closed shape through the points with rounded corners (quadratic curves via midpoints).
inline QPainterPath smoothClosed(const QList<QPointF>& pts)
{
    QPainterPath path;
    const int n = int(pts.size());
    const auto mid = [&](int i) { return (pts[i % n] + pts[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= n; ++i)
        path.quadTo(pts[i % n], mid(i));
    path.closeSubpath();
    return path;
}

// A repeatable pseudo-random sequence, so every build draws the same books and leaves.
class Dice {
public:
    explicit Dice(unsigned seed)
        : state_(seed * 2654435761u + 12345u)
    {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 24);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    unsigned state_;
};
