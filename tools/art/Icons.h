// The small pictures held in the screens, each drawn to fill the picture:
//   foot-left, foot-right     the walking footprints (which foot is ahead)
//   crest                     the school crest, a plum blossom (window and launcher icon)
//   room                      the data room: the class album with a blossom on its cover
//   mark-letter, mark-hearts  the confession mark and the mark of love returned
//   star-dim, star-bright     the two frames of the logo demo's twinkling star
//   album-page                the paper of the class album page
#pragma once
#include "Palette.h"

#include <QSizeF>
#include <QString>

class QPainter;

void drawIcon(QPainter& p, const QString& name, QSizeF size, const Palette& c);
