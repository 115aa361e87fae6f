#include "platform/qt/MusicSynth.h"

#include "platform/qt/AudioDevice.h"

#include <SDL2/SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fluidsynth.h>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace Platform {
namespace {

// The soundfonts Debian installs, the small General MIDI set first: the scores are balanced on
// it. A player's own choice in SDL_SOUNDFONTS (paths separated by ';') comes instead of them.
constexpr const char* SoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};
// The audio thread renders in slices and lets go of the lock between them, so a song change
// never waits for more than one slice.
constexpr int SliceFrames = 256;
// The music's overall level in the game (FluidSynth's own is 0.2, made for many voices at
// once); the scores are balanced against each other at this level.
constexpr double MusicGain = 0.6;
// After a song's last event its reverb rings on this long; then the synth rests.
constexpr int TailSeconds = 2;

std::mutex lock;  // the synth and the player, shared by the game and the audio thread
fluid_settings_t* settings = nullptr;
fluid_synth_t* synth = nullptr;
fluid_player_t* player = nullptr;
long framesSinceEnd = 0;
bool synthFailed = false;

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string SoundFontPath()
{
    if (const char* chosen = std::getenv("SDL_SOUNDFONTS")) {
        std::string list = chosen;
        for (size_t start = 0; start <= list.size();) {
            size_t end = std::min(list.find(';', start), list.size());
            std::string path = list.substr(start, end - start);
            if (!path.empty() && Exists(path))
                return path;
            start = end + 1;
        }
        return {};
    }
    for (const char* font : SoundFonts)
        if (Exists(font))
            return font;
    return {};
}

// The device asks for the next stretch of sound: the song, written straight into its buffer.
void Render(void*, Uint8* stream, int bytes)
{
    auto* samples = reinterpret_cast<int16_t*>(stream);
    const int frames = bytes / static_cast<int>(2 * sizeof(int16_t));
    const long tailFrames = long{TailSeconds} * AudioDeviceRate();
    for (int done = 0; done < frames; done += SliceFrames) {
        std::lock_guard guard(lock);
        if (!player || framesSinceEnd > tailFrames)
            return;  // nothing sounds: the mixer's silence stays, and the synth costs nothing
        const int slice = std::min(SliceFrames, frames - done);
        if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
            framesSinceEnd += slice;
        fluid_synth_write_s16(synth, slice, samples, 2 * done, 2, samples, 2 * done + 1, 2);
    }
}

void Discard()
{
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    synth = nullptr;
    settings = nullptr;
}

// Creates the synth and loads the soundfont on the first song. A missing or broken soundfont
// is not tried again: the game plays on without music.
bool SynthReady()
{
    if (synth)
        return true;
    if (synthFailed)
        return false;
    synthFailed = true;
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);  // a failure is silence, not a message
    const std::string font = SoundFontPath();
    if (font.empty())
        return false;
    settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", AudioDeviceRate());
    fluid_settings_setnum(settings, "synth.gain", MusicGain);
    synth = settings ? new_fluid_synth(settings) : nullptr;
    if (!synth || fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED) {
        Discard();
        return false;
    }
    synthFailed = false;
    Mix_HookMusic(Render, nullptr);
    return true;
}

// The whole file, or nothing when it is missing, unreadable (a folder, say) or not MIDI.
std::vector<char> MidiFile(const std::string& path)
{
    if (!Exists(path))
        return {};
    std::vector<char> bytes;
    try {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return {};
    }
    if (bytes.size() < 14 || !std::equal(bytes.begin(), bytes.begin() + 4, "MThd"))
        return {};
    return bytes;
}

void StopLocked()
{
    if (!player)
        return;
    fluid_player_stop(player);
    delete_fluid_player(player);
    player = nullptr;
    fluid_synth_system_reset(synth);  // the last song's notes end at once, as a closed device
}

}  // namespace

bool StartSong(const std::string& path)
{
    StopSong();
    if (!SynthReady())
        return false;
    const std::vector<char> file = MidiFile(path);
    if (file.empty())
        return false;
    std::lock_guard guard(lock);
    player = new_fluid_player(synth);
    if (!player)
        return false;
    if (fluid_player_add_mem(player, file.data(), file.size()) != FLUID_OK || fluid_player_play(player) != FLUID_OK) {
        StopLocked();
        return false;
    }
    framesSinceEnd = 0;
    return true;
}

void StopSong()
{
    std::lock_guard guard(lock);
    StopLocked();
}

bool SongPlaying()
{
    std::lock_guard guard(lock);
    return player && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
}

}  // namespace Platform
