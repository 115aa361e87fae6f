#include "SvgComposer.h"

#include <algorithm>
#include <stdexcept>

namespace {

QString number(double value) { return QString::number(value, 'f', 4); }

}  // namespace

SvgComposer::SvgComposer(PartLibrary& parts, QSizeF picture, const Palette& light)
    : parts_(parts),
      picture_(picture),
      light_(light),
      area_(QPointF(0, 0), picture)
{}

void SvgComposer::setArea(const QRectF& area)
{
    area_ = area;
    corner_ = 0;
}

void SvgComposer::setShading(const FigureShading& shading, std::optional<QPointF> sun)
{
    shading_ = shading;
    sun_ = sun;
}

// A filter for this figure's parts, or an empty attribute when she is drawn flat.
QString SvgComposer::shadingFilter(const CharacterPlacement& c, double reach)
{
    if (shading_.isFlat() || !c.silhouette.isEmpty())
        return {};
    // The sun is low and to one side; straight above her it still falls from her left a little.
    double side = -1;
    if (sun_) {
        const double across = (sun_->x() - area_.x() - c.at.x()) / 60.0;
        side = std::clamp(std::abs(across) < 0.5 ? (across < 0 ? -0.5 : 0.5) : across, -1.0, 1.0);
    }
    const QString id = QString("cel%1").arg(++serial_);
    body_ += shading_.filter(id, QPointF(c.mirrored ? -side : side, -0.35), reach);
    return QString(" filter=\"url(#%1)\"").arg(id);
}

QString SvgComposer::inline_(const SvgPart& part)
{
    for (auto it = part.namespaces().begin(); it != part.namespaces().end(); ++it)
        namespaces_.insert(it.key(), it.value());
    return part.inlined(QString("p%1-").arg(++serial_));
}

// Everything between open() and close() is clipped to the area and drawn in its coordinates.
void SvgComposer::open()
{
    const QString clip = QString("area%1").arg(++serial_);
    body_ += QString("<clipPath id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" rx=\"%6\"/></clipPath>\n"
                     "<g clip-path=\"url(#%1)\"><g transform=\"translate(%2,%3)\">\n")
                 .arg(clip, number(area_.x()), number(area_.y()), number(area_.width()), number(area_.height()),
                      number(corner_));
}

void SvgComposer::close() { body_ += "</g></g>\n"; }

void SvgComposer::addPlace(const QString& name)
{
    const QList<const SvgPart*> layers = parts_.place(name);
    open();
    // Places are drawn 300 x 200; a photo of another shape shows the middle of the place.
    const double s = std::max(area_.width() / 300, area_.height() / 200);
    body_ += QString("<g transform=\"translate(%1,%2) scale(%3) translate(-150,-100)\">\n")
                 .arg(number(area_.width() / 2), number(area_.height() / 2), number(s));
    const QString sky = QString("sky%1").arg(++serial_);
    body_ += QString("<linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                     "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"0.55\" stop-color=\"%3\"/>"
                     "<stop offset=\"1\" stop-color=\"%4\"/></linearGradient>\n"
                     "<rect x=\"-10\" y=\"-10\" width=\"320\" height=\"220\" fill=\"url(#%1)\"/>\n")
                 .arg(sky, light_("sky-top").name(), light_("sky-mid").name(), light_("sky-low").name());
    for (const SvgPart* layer : layers)
        body_ += inline_(*layer) + "\n";
    body_ += "</g>\n";
    close();
}

void SvgComposer::addCharacter(const CharacterPlacement& c)
{
    const SvgPart& body = parts_.character(c.key, "body-" + c.pose);
    const SvgPart& head = parts_.character(c.key, "head-" + c.face);
    const SvgPart* hairBack = parts_.optionalCharacterPart(c.key, "hair-back");
    const SvgPart* hairFront = parts_.optionalCharacterPart(c.key, "hair-front");
    const SvgPart* frontArms = parts_.optionalCharacterPart(c.key, "body-" + c.pose + "-front");
    const QString neck = body.marker("neck");
    if (!body.hasMarker("neck"))
        throw std::runtime_error((body.path() + ": no neck marker").toStdString());

    QTransform figure;
    figure.translate(c.at.x(), c.at.y());
    figure.rotate(c.lean);
    figure.scale(c.mirrored ? -c.scale : c.scale, c.scale);
    const QTransform headToPicture = QTransform::fromTranslate(-100, -200) * body.markerTransform("neck") * figure;
    const double crown = headToPicture.map(QPointF(100, 0)).y();
    if (crown < -1)
        throw std::runtime_error(QString("%1 in %2 would be cut at the head (its top at y = %3)")
                                     .arg(c.key, c.pose, QString::number(crown, 'f', 1))
                                     .toStdString());

    open();
    QString flat;
    if (!c.silhouette.isEmpty()) {
        const QString filter = QString("flat%1").arg(++serial_);
        body_ += QString("<filter id=\"%1\"><feFlood flood-color=\"%2\"/>"
                         "<feComposite in2=\"SourceAlpha\" operator=\"in\"/></filter>\n")
                     .arg(filter, c.silhouette);
        flat = QString(" filter=\"url(#%1)\"").arg(filter);
    }
    body_ += QString("<g%5 transform=\"translate(%1,%2) rotate(%6) scale(%3,%4)\">\n")
                 .arg(number(c.at.x()), number(c.at.y()), number(c.mirrored ? -c.scale : c.scale), number(c.scale),
                      flat, number(c.lean));
    // Each part is shaded on its own outline, in the body's units.
    const QString shaded = QString("<g%1>").arg(shadingFilter(c, 1));
    const QString headSpace = QString("<g transform=\"%1 translate(-100,-200)\">\n").arg(neck);
    if (hairBack)
        body_ += QString("<g%1>").arg(shadingFilter(c, 0.6)) + headSpace + inline_(*hairBack) + "</g></g>\n";
    body_ += shaded + inline_(body) + "</g>\n";
    // Only a thin shade and lit edge on the face and the locks in front of it: a deep one lies
    // across the cheek and jaw like a smear and washes through the narrow side locks.
    body_ += QString("<g%1>").arg(shadingFilter(c, 0.3)) + headSpace + inline_(head)
        + (hairFront ? inline_(*hairFront) : QString()) + "</g></g>\n";
    if (!c.held.isEmpty()) {
        if (!body.hasMarker("hand"))
            throw std::runtime_error((body.path() + ": no hand marker to hold " + c.held).toStdString());
        body_ += shaded + QString("<g transform=\"%1\">\n").arg(body.marker("hand")) + inline_(parts_.prop(c.held))
            + "</g></g>\n";
    }
    if (frontArms)
        body_ += shaded + inline_(*frontArms) + "</g>\n";
    body_ += "</g>\n";
    close();
}

void SvgComposer::addProp(const PropPlacement& p)
{
    const SvgPart& prop = parts_.prop(p.name);
    open();
    body_ += QString("<g transform=\"translate(%1,%2) scale(1,%6) rotate(%3) scale(%4,%5)\">\n")
                 .arg(number(p.at.x()), number(p.at.y()), number(p.rotation), number(p.mirrored ? -p.scale : p.scale),
                      number(p.scale), number(p.flattened));
    body_ += inline_(prop) + "</g>\n";
    close();
}

void SvgComposer::addHead(const QString& key, const QString& face, QPointF neck, double scale)
{
    const SvgPart& head = parts_.character(key, "head-" + face);
    const SvgPart* hairBack = parts_.optionalCharacterPart(key, "hair-back");
    const SvgPart* hairFront = parts_.optionalCharacterPart(key, "hair-front");
    open();
    body_ += QString("<g transform=\"translate(%1,%2) scale(%3) translate(-100,-200)\">\n")
                 .arg(number(neck.x()), number(neck.y()), number(scale));
    if (hairBack)
        body_ += inline_(*hairBack);
    body_ += inline_(head) + (hairFront ? inline_(*hairFront) : QString()) + "</g>\n";
    close();
}

void SvgComposer::addBackdrop(const QString& colour)
{
    body_ += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                 .arg(number(area_.x()), number(area_.y()), number(area_.width()), number(area_.height()), colour);
}

void SvgComposer::addBadge(const QString& colour)
{
    corner_ = std::min(area_.width(), area_.height()) * 0.16;
    const QString gradient = QString("badge%1").arg(++serial_);
    body_ +=
        QString(
            "<radialGradient id=\"%1\" cx=\"0.5\" cy=\"0.3\" r=\"0.8\">"
            "<stop offset=\"0\" stop-color=\"#ffffff\"/><stop offset=\"0.05\" stop-color=\"%2\" stop-opacity=\"0.35\"/>"
            "<stop offset=\"1\" stop-color=\"%2\"/></radialGradient>\n")
            .arg(gradient, colour);
    body_ += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>"
                     "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#%7)\"/>\n")
                 .arg(number(area_.x()), number(area_.y()), number(area_.width()), number(area_.height()),
                      number(corner_), colour, gradient);
}

QByteArray SvgComposer::document() const
{
    QString root = QString("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"");
    for (auto it = namespaces_.begin(); it != namespaces_.end(); ++it)
        if (it.key() != "xlink")
            root += QString(" xmlns:%1=\"%2\"").arg(it.key(), it.value());
    root += QString(" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
                .arg(number(picture_.width()), number(picture_.height()));
    return (root + body_ + "</svg>\n").toUtf8();
}
