// The light of a picture's hour: colours for the SVG layers, plus a tint and a glow
// laid over what has been drawn.
#pragma once
#include "FigureShading.h"
#include "Palette.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

struct Light {
    Palette palette;
    QColor tint = Qt::white;
    double tintStrength = 0;
    QColor glow = Qt::white;
    double glowStrength = 0;
    FigureShading figures;
};

// Multiplies everything inside `area` toward the light's tint colour.
void applyTint(QPainter& painter, const Light& light, const QRectF& area);
// Adds a soft round glow (screen blend) centred at `centre`.
void applyGlow(QPainter& painter, const Light& light, QPointF centre, double radius);
