#include "Sound.h"

namespace velmusic {

Sound silence() { return Sound(44100, 1, 0.05); }

}  // namespace velmusic
