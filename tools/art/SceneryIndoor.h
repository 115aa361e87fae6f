// Inside the buildings.
#pragma once
#include "Palette.h"

class QPainter;

void drawCorridor(QPainter& p, const Palette& c);  // 校舎Ａ: lockers and windows
void drawLibrary(QPainter& p, const Palette& c);   // 校舎Ｂ: the library
void drawArtRoom(QPainter& p, const Palette& c);   // 校舎Ｂ: the art room
void drawMusicRoom(QPainter& p, const Palette& c); // 校舎Ｂ: the music room
void drawGym(QPainter& p, const Palette& c);       // 体育館: chairs in rows, the stage
