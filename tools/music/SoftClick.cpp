#include "Sound.h"

namespace velmusic {

Sound softClick() {
    Sound sound(44100, 1, 0.05);
    addBell(sound, 0.0, 1400.0, 1.0, 0.5, 0.006);
    addBell(sound, 0.0, 320.0, 0.8, 0.5, 0.01);
    finish(sound, 0.25, 0.01);
    return sound;
}

}  // namespace velmusic
