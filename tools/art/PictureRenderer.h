// Draws one picture by running its layer lines in order. The drawing layers, composed from
// the SVG sources of content/art (see PartLibrary.h) and drawn with librsvg:
//   place NAME                            the hour's sky and every layer of places/NAME/
//   character KEY POSE FACE X Y SCALE [mirror] [hold=PROP] [lean=DEGREES] [silhouette=#rrggbb]
//                                         a character from head-FACE, hair and body-POSE,
//                                         the body's origin (between the feet, or the seat)
//                                         at (X, Y); PROP at her hand marker; lean tilts her
//                                         clockwise about that origin; a silhouette is the
//                                         whole figure in one flat colour
//   head KEY FACE X Y SCALE               her head and hair alone, the neck base at (X, Y)
//   prop NAME X Y SCALE [ROTATION] [mirror] [flat=F]
//                                         a prop with its grip point at (X, Y); flat=F lays it
//                                         on a surface seen from a little above, its height
//                                         (after the rotation) shrunk to F
//   backdrop #rrggbb                      one flat colour over the picture or the photo
//   badge #rrggbb                         a rounded badge of that colour; what follows is
//                                         clipped to it
// and the painted layers of the older pictures and of the light:
//   icon NAME                             a small picture filling the whole (see Icons.h)
//   photo X Y W H ... end                 a snapshot: the layers between are drawn inside
//                                         the box, with its own corner as the origin
//   lettering X Y SIZE TEXT...            the game's name in gold, centred on X, baseline Y
//   blur RADIUS                           soft-focus everything drawn so far
//   tint                                  the light's colour over everything so far
//   glow X Y RADIUS                       the light's glow
//   vignette STRENGTH                     evening shade closing in at the edges
//   petals COUNT SEED                     white plum petals drifting in front
#pragma once
#include "PartLibrary.h"
#include "PictureBook.h"

#include <QImage>

// The picture at `scale` times its size (1 for the game's own files, 2 to 4 for large screens).
QImage renderPicture(const PictureSpec& spec, const PictureBook& book, PartLibrary& parts, int scale);
