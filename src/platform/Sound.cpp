#include "platform/Sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <cstdlib>
#include <filesystem>

namespace Platform {
namespace {

// The soundfonts Debian installs, the small General MIDI set first: the mixer loads the font
// again for every song, and the 140 MB set makes each scene change stall for half a second.
// A player's own choice in SDL_SOUNDFONTS comes before them.
constexpr const char* SoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};
constexpr int SoundChannel = 0;

enum class DeviceState { Closed, Open, Failed };
DeviceState device = DeviceState::Closed;
Mix_Music* song = nullptr;
Mix_Chunk* sound = nullptr;

void UseFirstInstalledSoundFont()
{
    for (const char* font : SoundFonts) {
        std::error_code error;
        if (std::filesystem::exists(font, error)) {
            Mix_SetSoundFonts(font);
            return;
        }
    }
}

// Opens the device on first use. A device that failed once is not tried again, so a machine
// without sound costs nothing on the once-a-second music restart.
bool DeviceReady()
{
    if (device == DeviceState::Closed) {
        device = DeviceState::Failed;
        // SDL would turn SIGTERM and SIGINT into events nobody reads: a logout or a kill must
        // end the game as the system asks.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        Mix_Init(MIX_INIT_MID);
        if (!std::getenv("SDL_SOUNDFONTS"))
            UseFirstInstalledSoundFont();
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0)
            return false;
        Mix_AllocateChannels(1);
        device = DeviceState::Open;
    }
    return device == DeviceState::Open;
}

}  // namespace

bool PlayMusicFile(const std::string& path)
{
    StopMusic();
    if (!DeviceReady())
        return false;
    song = Mix_LoadMUS(path.c_str());
    if (!song)
        return false;
    if (Mix_PlayMusic(song, 0) != 0) {
        StopMusic();
        return false;
    }
    return true;
}

void StopMusic()
{
    if (device != DeviceState::Open)
        return;
    Mix_HaltMusic();
    if (song) {
        Mix_FreeMusic(song);
        song = nullptr;
    }
}

bool IsMusicPlaying()
{
    return device == DeviceState::Open && song && Mix_PlayingMusic() != 0;
}

void PlaySoundFile(const std::string& path)
{
    if (!DeviceReady())
        return;
    Mix_HaltChannel(SoundChannel);
    if (sound) {
        Mix_FreeChunk(sound);
        sound = nullptr;
    }
    sound = Mix_LoadWAV(path.c_str());
    if (sound)
        Mix_PlayChannel(SoundChannel, sound, 0);
}

}  // namespace Platform
