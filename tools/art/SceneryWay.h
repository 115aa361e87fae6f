// Between the places and at the gate.
#pragma once
#include "Palette.h"

class QPainter;

void drawPath(QPainter& p, const Palette& c);       // the walk between the buildings
void drawGate(QPainter& p, const Palette& c);       // the gate at closing time
void drawGateCall(QPainter& p, const Palette& c);   // out through the gate, the voice behind
