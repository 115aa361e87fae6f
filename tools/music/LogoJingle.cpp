#include "Sound.h"

#include <array>
#include <cmath>

namespace velmusic {
namespace {

double frequencyOf(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

}  // namespace

Sound logoJingle()
{
    Sound sound(44100, 2, 2.9);
    // A soft open fifth while the window appears.
    addBell(sound, 0.0, frequencyOf(62), 0.25, 0.4, 0.9);
    addBell(sound, 0.0, frequencyOf(69), 0.2, 0.6, 0.9);
    // One rising note for each letter of the logotype, as it is drawn from left to right.
    constexpr std::array<int, 6> kLetters = {81, 86, 88, 90, 93, 98};  // a5 d6 e6 f#6 a6 d7
    for (size_t i = 0; i < kLetters.size(); ++i)
        addBell(sound, 0.6 + 0.2 * double(i), frequencyOf(kLetters[i]), 0.45, 0.1 + 0.16 * double(i), 0.55);
    // A ringing chord after the last letter, still sounding when the year appears.
    for (int key : {74, 78, 81, 86})
        addBell(sound, 1.8, frequencyOf(key), 0.3, 0.5, 0.8);
    addEcho(sound, 0.15, 0.3);
    finish(sound, 0.2, 0.4);  // as loud as the title song that follows it
    return sound;
}

}  // namespace velmusic
