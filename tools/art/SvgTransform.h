// Reads an SVG transform attribute ("translate(10,20) rotate(-5) scale(0.4)") into a matrix,
// so the tool can tell where a marker puts the head or the hand.
#pragma once
#include <QString>
#include <QTransform>

// Throws std::runtime_error on anything it cannot read.
QTransform parseSvgTransform(const QString& text);
