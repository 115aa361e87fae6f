// Composes one SVG document from the drawings of content/art: a place's layers under the
// hour's sky, characters put together from head, hair and body at the body's markers, and
// props held at the hand marker or lying free.
#pragma once
#include "FigureShading.h"
#include "Palette.h"
#include "PartLibrary.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

struct CharacterPlacement {
    QString key;   // "h1".."h8", "kenta", "morita"
    QString pose;  // body-<pose>.svg
    QString face;  // head-<face>.svg
    QPointF at;    // where the body's origin (between the feet, or the seat) lands
    double scale = 1.0;
    double lean = 0;  // degrees clockwise about her origin, to lean her on a post or a wall
    bool mirrored = false;
    QString held;        // a prop at the hand marker, or empty
    QString silhouette;  // "#rrggbb": the whole figure in that one flat colour, or empty
};

struct PropPlacement {
    QString name;
    QPointF at;  // where the prop's grip point lands
    double scale = 1.0;
    double rotation = 0;
    bool mirrored = false;
    double flattened = 1.0;  // lying on a surface seen from a little above: the height kept
};

class SvgComposer {
public:
    SvgComposer(PartLibrary& parts, QSizeF picture, const Palette& light);

    // Later additions are drawn inside this box (a photo of the album), with its corner as origin.
    void setArea(const QRectF& area);
    // How the figures are shaded, and where the sun stands in the picture (none: high on the left).
    void setShading(const FigureShading& shading, std::optional<QPointF> sun);
    // The hour's sky, then every layer of the place, covering the area.
    void addPlace(const QString& name);
    // Throws when a part is missing or the head would be cut off by the area's top edge.
    void addCharacter(const CharacterPlacement& placement);
    void addProp(const PropPlacement& placement);
    // A head alone with its hair, the neck base at `neck` (for the character sheets).
    void addHead(const QString& key, const QString& face, QPointF neck, double scale);
    // A flat backdrop over the whole area.
    void addBackdrop(const QString& colour);
    // A rounded badge in `colour`, lighter towards the top; what follows is clipped to it.
    void addBadge(const QString& colour);

    bool isEmpty() const { return body_.isEmpty(); }
    QByteArray document() const;
    void clear() { body_.clear(); }

private:
    QString inline_(const SvgPart& part);
    void open();
    void close();
    QString shadingFilter(const CharacterPlacement& c, double reach);

    PartLibrary& parts_;
    QSizeF picture_;
    Palette light_;
    QRectF area_;
    double corner_ = 0;
    FigureShading shading_;
    std::optional<QPointF> sun_;
    QString body_;
    int serial_ = 0;
    QHash<QString, QString> namespaces_;
};
