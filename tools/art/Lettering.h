// The game's name as lettered on the title: gold letters with a dark edge and a soft shadow.
#pragma once
#include <QPointF>
#include <QString>

class QPainter;

// `baseline` is the centre of the line's baseline; `size` the letter height in pixels.
void drawLettering(QPainter& p, QPointF baseline, double size, const QString& text);
