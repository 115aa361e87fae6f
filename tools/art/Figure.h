// A heroine drawn from shared parts (body in uniform, head, face) and her own hair style
// and accessories. All parts share one 400 x 600 space: head centre near (200, 170),
// the cut at the waist along the bottom edge.
#pragma once
#include "Palette.h"

#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

struct Heroine {
    Palette palette;           // hair, hair-shade, hair-light, eye, accent
    QString back;              // back hair style, drawn behind the body
    QString bangs;             // front hair style
    QStringList accessories;   // ribbon-big, clip, camera, freckles, bow, glasses, hairband, braid,
                               // necktie
    bool corsage = true;
    double height = 1.0;       // scales the figure about its bottom centre
    bool boy = false;          // the boys of the album: necktie, plainer eyes
};

struct FigurePlacement {
    QString pose;              // stand, wave, hands
    QString face;              // smile, open, shy, closed, tears
    QPointF anchor;            // where the figure's bottom centre (200, 600) lands
    double scale = 1.0;
    bool flipped = false;
};

// The colours a heroine adds to the common ones (hair, eyes, her own accent).
Palette figurePalette(const Heroine& heroine, const Palette& basePalette);

void drawFigure(QPainter& painter, const Heroine& heroine, const FigurePlacement& placement,
                const Palette& basePalette);
