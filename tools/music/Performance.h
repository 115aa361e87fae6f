// Turns written notes into played ones: metric accents, phrases that swell and settle, a little
// velocity variation so repeated notes do not sound mechanical, swing, and in the songs that allow
// it a loose feel that lets notes fall a little off the grid.
#pragma once

#include "Song.h"

namespace velmusic {

void perform(Song& song);

}  // namespace velmusic
