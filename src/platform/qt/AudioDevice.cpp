#include "platform/qt/AudioDevice.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <chrono>
#include <optional>

namespace Platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto RetryInterval = std::chrono::seconds(1);
// Choosing the audio driver costs milliseconds (it loads and asks every sound system), opening
// the device a few microseconds: a missing device is looked for every second with the driver
// already chosen, and the driver is chosen afresh only every this many looks, in case a sound
// server has started meanwhile.
constexpr int LooksPerDriverChoice = 30;

bool open = false;
bool driverChosen = false;
int failedLooks = 0;
int rate = 44100;
std::optional<Clock::time_point> lastFailure;

// ALSA reports a missing sound card on stderr, nine lines for every look; a missing device is
// silence here, so it is not reported.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool TryOpen()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore `kill`.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!driverChosen) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        driverChosen = true;
    }
    // The songs are rendered as 16-bit stereo; only the rate may follow the device.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 2048, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        if (++failedLooks % LooksPerDriverChoice == 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            driverChosen = false;
        }
        return false;
    }
    Mix_QuerySpec(&rate, nullptr, nullptr);
    Mix_AllocateChannels(1);
    return true;
}

}  // namespace

bool AudioDeviceReady()
{
    if (open)
        return true;
    const Clock::time_point now = Clock::now();
    if (lastFailure && now - *lastFailure < RetryInterval)
        return false;
    open = TryOpen();
    if (!open)
        lastFailure = now;
    return open;
}

int AudioDeviceRate() { return rate; }

}  // namespace Platform
