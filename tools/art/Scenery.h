// The backgrounds of the game's places, drawn straight into a 300 x 200 picture.
#pragma once
#include "Palette.h"

#include <QString>

class QPainter;

// Throws for an unknown scene name. `c` holds the common colours and those of the light.
void drawScenery(QPainter& p, const QString& name, const Palette& c);
