// Turns written notes into played ones: metric accents, a little velocity
// variation so repeated notes do not sound mechanical, and swing.
#pragma once

#include "Song.h"

namespace velmusic {

void perform(Song& song);

}  // namespace velmusic
