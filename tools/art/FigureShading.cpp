#include "FigureShading.h"

#include <cmath>

namespace {

QString number(double value) { return QString::number(value, 'f', 3); }

// How far the shade reaches in from the far edge, and how wide the lit edge is (body units).
constexpr double shadeDepth = 11;
constexpr double shadeSoftness = 3;
constexpr double outline = 2.2;
constexpr double highlightWidth = 3.5;
constexpr double rimWidth = 1.1;

}  // namespace

QString FigureShading::filter(const QString& id, QPointF towardsSun, double reach) const
{
    const double length = std::hypot(towardsSun.x(), towardsSun.y());
    const QPointF sun = length > 0 ? towardsSun / length : QPointF(-0.6, -0.8);
    QString f = QString("<filter id=\"%1\" x=\"-0.1\" y=\"-0.1\" width=\"1.2\" height=\"1.2\" "
                        "color-interpolation-filters=\"sRGB\">")
                    .arg(id);
    // The figure's own outline moved towards the sun, rounded and cut hard: what it leaves
    // uncovered on the far side is the shade.
    const double depth = (backlit ? shadeDepth * 0.6 : shadeDepth) * reach;
    f += QString("<feOffset in=\"SourceAlpha\" dx=\"%1\" dy=\"%2\"/>"
                 "<feGaussianBlur stdDeviation=\"%3\"/>"
                 "<feComponentTransfer result=\"lit\"><feFuncA type=\"discrete\" tableValues=\"0 1\"/>"
                 "</feComponentTransfer>"
                 "<feComposite in=\"SourceAlpha\" in2=\"lit\" operator=\"out\" result=\"farSide\"/>")
             .arg(number(sun.x() * depth), number(sun.y() * depth), number(shadeSoftness));
    f += QString("<feFlood flood-color=\"%1\" flood-opacity=\"%2\"/>"
                 "<feComposite in2=\"farSide\" operator=\"in\"/>"
                 "<feBlend in2=\"SourceGraphic\" mode=\"multiply\" result=\"shaded\"/>")
             .arg(shade.name(), number(shadeStrength));
    QString drawn = "shaded";
    if (backlit) {
        // The sun behind her: everything facing the viewer is in her own shadow.
        f += QString("<feFlood flood-color=\"%1\" flood-opacity=\"%2\"/>"
                     "<feComposite in2=\"SourceAlpha\" operator=\"in\"/>"
                     "<feBlend in2=\"shaded\" mode=\"multiply\" result=\"against\"/>")
                 .arg(shade.name(), number(shadeStrength * 0.7));
        drawn = "against";
    }
    if (rimStrength > 0 && backlit) {
        // The sun behind her lights the edges that face up and out, on both sides.
        const double w = rimWidth;
        f += QString("<feOffset in=\"SourceAlpha\" dx=\"%1\" dy=\"%2\" result=\"right\"/>"
                     "<feOffset in=\"SourceAlpha\" dx=\"%3\" dy=\"%2\"/>"
                     "<feComposite in2=\"right\" operator=\"in\" result=\"covered\"/>"
                     "<feComposite in=\"SourceAlpha\" in2=\"covered\" operator=\"out\"/>"
                     "<feGaussianBlur stdDeviation=\"0.4\" result=\"litEdge\"/>")
                 .arg(number(w), number(w * 0.9), number(-w));
    } else if (rimStrength > 0) {
        // The lit edge just inside the outline, on the side facing the sun.
        f += QString("<feMorphology in=\"SourceAlpha\" operator=\"erode\" radius=\"%1\" result=\"inner\"/>"
                     "<feOffset dx=\"%2\" dy=\"%3\" result=\"away\"/>"
                     "<feComposite in=\"inner\" in2=\"away\" operator=\"out\" result=\"litEdge\"/>")
                 .arg(number(outline), number(-sun.x() * highlightWidth * reach),
                      number(-sun.y() * highlightWidth * reach));
    }
    if (rimStrength > 0)
        f += QString("<feFlood flood-color=\"%1\" flood-opacity=\"%2\"/>"
                     "<feComposite in2=\"litEdge\" operator=\"in\"/>"
                     "<feBlend in2=\"%3\" mode=\"screen\"/>")
                 .arg(rim.name(), number(rimStrength), drawn);
    return f + "</filter>\n";
}
