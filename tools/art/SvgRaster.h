// Renders a whole SVG document with librsvg (clip paths, gradients and blur included).
#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The document fitted into `pixels`; throws with `what` in the message when librsvg refuses it.
QImage rasteriseSvg(const QByteArray& document, QSize pixels, const QString& what);
