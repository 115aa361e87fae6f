// Hair styles and the small things worn with them, in the figure's 400 x 600 space.
#pragma once
#include "Figure.h"

class QPainter;

void drawBackHair(QPainter& p, const Heroine& heroine, const Palette& c);
void drawFrontHair(QPainter& p, const Heroine& heroine, const Palette& c);
// Things worn over the finished face and hair (glasses, clips, bands, the braid).
void drawAccessories(QPainter& p, const Heroine& heroine, const Palette& c);
