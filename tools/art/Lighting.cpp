#include "Lighting.h"

#include <QPainter>
#include <QRadialGradient>

void applyTint(QPainter& painter, const Light& light, const QRectF& area)
{
    if (light.tintStrength <= 0)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.setOpacity(light.tintStrength);
    painter.fillRect(area, light.tint);
    painter.restore();
}

void applyGlow(QPainter& painter, const Light& light, QPointF centre, double radius)
{
    if (light.glowStrength <= 0)
        return;
    QRadialGradient gradient(centre, radius);
    QColor inner = light.glow;
    QColor outer = light.glow;
    outer.setAlpha(0);
    gradient.setColorAt(0, inner);
    inner.setAlphaF(0.35f);
    gradient.setColorAt(0.45, inner);
    gradient.setColorAt(1, outer);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    painter.setOpacity(light.glowStrength);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}
