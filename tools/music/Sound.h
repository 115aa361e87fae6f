// Synthesised sound effects: a PCM buffer and the voices that fill it.
#pragma once

#include <cstddef>
#include <vector>

namespace velmusic {

struct Sound {
    int sampleRate = 44100;
    int channels = 1;            // 1 mono, 2 stereo
    std::vector<float> samples;  // interleaved, full scale is -1..1

    Sound(int rate, int channelCount, double seconds)
        : sampleRate(rate),
          channels(channelCount),
          samples(static_cast<std::size_t>(seconds * rate) * channelCount)
    {}
    std::size_t frames() const { return samples.size() / channels; }
};

// A struck bell: a frequency-modulated tone whose brightness fades faster than
// its loudness, plus a quickly dying inharmonic partial for the strike.
// pan runs from 0 (left) to 1 (right) and is ignored in mono.
void addBell(Sound& sound, double startSeconds, double frequency, double amplitude, double pan, double decaySeconds);

// Feeds the sound back into itself after delaySeconds, swapping sides in stereo.
void addEcho(Sound& sound, double delaySeconds, double gain);

// Scales the sound so that its loudest sample reaches peak, and fades the last fadeSeconds to silence.
void finish(Sound& sound, double peak, double fadeSeconds);

// The logo jingle: six bell notes rising left to right, then a ringing chord.
Sound logoJingle();

// A twentieth of a second of silence: the sound that cuts the logo jingle off.
Sound silence();

}  // namespace velmusic
