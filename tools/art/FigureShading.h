// Cel shading for the figures: each part of a character (hair, body, head, what she holds)
// gets a hard-edged shadow tone on the side away from the sun and a highlight on the side
// towards it; against the low sun behind her (backlit) her front falls into shade and her
// outline glows instead.
#pragma once
#include <QColor>
#include <QPointF>
#include <QString>

struct FigureShading {
    QColor shade = QColor("#8c7cae");
    double shadeStrength = 0;  // 0: the figures are drawn flat
    QColor rim = Qt::white;
    double rimStrength = 0;
    bool backlit = false;

    bool isFlat() const { return shadeStrength <= 0 && rimStrength <= 0; }
    // An SVG <filter> with this id, for parts drawn in body units (2.5 per cm); `towardsSun`
    // points from the figure to the light in those units (y down). `reach` scales how far the
    // shade comes in and how wide the lit edge is (less on a face than on a sleeve).
    QString filter(const QString& id, QPointF towardsSun, double reach = 1) const;
};
