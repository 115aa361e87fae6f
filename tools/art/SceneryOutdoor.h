// Out in the grounds.
#pragma once
#include "Palette.h"

class QPainter;

void drawSchoolyard(QPainter& p, const Palette& c); // 校庭: track, camphor tree, bench
void drawPool(QPainter& p, const Palette& c);       // プール: covered for winter, fence, bench
void drawGarden(QPainter& p, const Palette& c);     // 自然園: pond, bridge, greenhouse, plum tree
