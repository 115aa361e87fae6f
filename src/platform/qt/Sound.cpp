#include "platform/Sound.h"

#include "platform/qt/AudioDevice.h"
#include "platform/qt/MusicSynth.h"

#include <SDL2/SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace Platform {
namespace {

constexpr int SoundChannel = 0;
Mix_Chunk* sound = nullptr;  // the short sound playing, or the last one played

// The default sound: a soft two-note chime of a fifth of a second, made once for the device.
Mix_Chunk* DefaultSound()
{
    static std::vector<int16_t> samples;
    static Mix_Chunk* chime = nullptr;
    if (chime)
        return chime;
    const int rate = AudioDeviceRate();
    const int frames = rate / 5;
    samples.resize(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency = t < 0.08 ? 1046.5 : 784.0;
        const double envelope = std::exp(-(t < 0.08 ? t : t - 0.08) / 0.05) * std::min(1.0, (frames - i) / 200.0);
        const auto value = static_cast<int16_t>(6000 * envelope * std::sin(2 * std::numbers::pi * frequency * t));
        samples[2 * i] = samples[2 * i + 1] = value;
    }
    chime = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(samples.data()),
                              static_cast<Uint32>(samples.size() * sizeof(int16_t)));
    return chime;
}

void StopSound()
{
    Mix_HaltChannel(SoundChannel);
    if (sound) {
        Mix_FreeChunk(sound);
        sound = nullptr;
    }
}

}  // namespace

bool PlayMusicFile(const std::string& path)
{
    StopMusic();
    return AudioDeviceReady() && StartSong(path);
}

void StopMusic() { StopSong(); }

bool IsMusicPlaying() { return SongPlaying(); }

void PlaySoundFile(const std::string& path, WhenSoundMissing whenMissing)
{
    if (!AudioDeviceReady())
        return;
    StopSound();
    sound = Mix_LoadWAV(path.c_str());
    if (sound)
        Mix_PlayChannel(SoundChannel, sound, 0);
    else if (whenMissing == WhenSoundMissing::DefaultSound)
        Mix_PlayChannel(SoundChannel, DefaultSound(), 0);
}

}  // namespace Platform
