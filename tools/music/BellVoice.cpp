#include "Sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmusic {

void addBell(Sound& sound, double startSeconds, double frequency, double amplitude, double pan, double decaySeconds)
{
    const double twoPi = 2 * std::numbers::pi;
    const double rate = sound.sampleRate;
    const double leftGain = sound.channels == 2 ? std::cos(pan * std::numbers::pi / 2) : 1.0;
    const double rightGain = std::sin(pan * std::numbers::pi / 2);
    size_t first = static_cast<size_t>(startSeconds * rate);
    for (size_t frame = first; frame < sound.frames(); ++frame) {
        double t = double(frame - first) / rate;
        double loudness = (1 - std::exp(-t / 0.003)) * std::exp(-t / decaySeconds);
        double brightness = 0.3 + 2.2 * std::exp(-t / (decaySeconds * 0.25));
        double body = std::sin(twoPi * frequency * t + brightness * std::sin(twoPi * 2 * frequency * t));
        double strike = 0.35 * std::exp(-t / 0.06) * std::sin(twoPi * 2.76 * frequency * t);
        double value = amplitude * loudness * (body + strike);
        if (sound.channels == 1) {
            sound.samples[frame] += static_cast<float>(value);
        } else {
            sound.samples[2 * frame] += static_cast<float>(value * leftGain);
            sound.samples[2 * frame + 1] += static_cast<float>(value * rightGain);
        }
    }
}

void addEcho(Sound& sound, double delaySeconds, double gain)
{
    size_t delay = static_cast<size_t>(delaySeconds * sound.sampleRate) * sound.channels;
    for (size_t i = delay; i < sound.samples.size(); ++i) {
        size_t from = i - delay;
        if (sound.channels == 2)
            from ^= 1;  // the other side of the same frame
        sound.samples[i] += static_cast<float>(gain * sound.samples[from]);
    }
}

void finish(Sound& sound, double peak, double fadeSeconds)
{
    float loudest = 0;
    for (float s : sound.samples)
        loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const double fadeFrames = fadeSeconds * sound.sampleRate;
    for (size_t frame = 0; frame < sound.frames(); ++frame) {
        double left = static_cast<double>(sound.frames() - 1 - frame);
        double fade = left < fadeFrames ? left / fadeFrames : 1.0;
        for (int c = 0; c < sound.channels; ++c)
            sound.samples[frame * sound.channels + c] *= static_cast<float>(scale * fade);
    }
}

}  // namespace velmusic
