#include "platform/AudioDevice.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <chrono>
#include <optional>

namespace Platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto RetryInterval = std::chrono::seconds(1);

bool open = false;
int rate = 44100;
std::optional<Clock::time_point> lastFailure;

bool TryOpen()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore `kill`.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // The songs are rendered as 16-bit stereo; only the rate may follow the device.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 2048, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);  // start afresh next time, with whatever device exists then
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

int AudioDeviceRate()
{
    return rate;
}

}  // namespace Platform
