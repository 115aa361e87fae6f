// What every background shares: a simple perspective camera, sky and trees.
#pragma once
#include "DrawKit.h"
#include "Palette.h"

// Eye at the origin looking along +Z; X to the right, Y downward (floor at positive Y).
struct View {
    QPointF vanish{150, 100};
    double focal = 100;
    QPointF at(double x, double y, double z) const { return vanish + QPointF(x, y) * (focal / z); }
    // A flat four-cornered face given by its corners in space.
    void quad(QPainter& p, const QBrush& brush, double x0, double y0, double z0, double x1, double y1,
              double z1, double x2, double y2, double z2, double x3, double y3, double z3) const
    {
        fillPolygon(p, {at(x0, y0, z0), at(x1, y1, z1), at(x2, y2, z2), at(x3, y3, z3)}, brush);
    }
    // A box face-on to the eye: front face and, where visible, top and sides.
    void box(QPainter& p, const QColor& colour, double x0, double x1, double y0, double y1, double z0,
             double z1) const;
};

// Sky gradient down to `horizon`, the low sun at `sun` and a few warm clouds.
void drawSky(QPainter& p, const Palette& c, double horizon, QPointF sun, unsigned seed);
// Far hills and the harbour town below the school.
void drawDistance(QPainter& p, const Palette& c, double horizon);
// A round-crowned tree: trunk from `base` up, crown of overlapping blobs.
void drawTree(QPainter& p, const Palette& c, QPointF base, double size, unsigned seed, bool budding);
// Light falling across everything from the low western sun (a soft warm wash from one side).
void drawSunWash(QPainter& p, const Palette& c, bool fromLeft);
