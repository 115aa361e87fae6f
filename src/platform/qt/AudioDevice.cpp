#include "platform/qt/AudioDevice.h"

#include "platform/Timer.h"
#include "platform/qt/SoundSystemState.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace Platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int FirstRate = 44100;
// An open device is asked every second whether it was lost; a missing one is looked for four
// times a second, so that music is back well within two seconds of its server.
constexpr int WatchOpenMs = 1000;
constexpr int WatchMissingMs = 250;
constexpr auto LookInterval = std::chrono::milliseconds(WatchMissingMs);
// Opening the device afresh costs milliseconds of the processor (SDL loads and asks every sound
// system), too much for every look of a game without sound. It is tried when the sound system has
// changed since the last try (a server started, a card appeared), and otherwise blindly this often.
constexpr auto BlindTryInterval = std::chrono::seconds(30);

bool open = false;
int rate = 0;  // 0 until the device first opens
std::optional<Clock::time_point> lastLook;
std::optional<Clock::time_point> lastTry;
std::optional<std::string> stateAtLastTry;
std::vector<std::function<void()>> feeds;
Timer* watch = nullptr;  // kept for the whole run

// ALSA reports a missing sound card on stderr, nine lines for every look; a missing device is
// silence here, so it is not reported.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool TryOpen()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore `kill`.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // The songs are rendered as 16-bit stereo; only the first opening may choose the rate, so the
    // synth and the sounds made for it still fit a device opened again.
    const int changes = rate == 0 ? SDL_AUDIO_ALLOW_FREQUENCY_CHANGE : 0;
    if (Mix_OpenAudioDevice(rate == 0 ? FirstRate : rate, AUDIO_S16SYS, 2, 2048, nullptr, changes) != 0) {
        // Let go of the sound system until the next try: kept, it would look for cards every
        // second on a thread of its own.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_QuerySpec(&rate, nullptr, nullptr);
    Mix_AllocateChannels(1);
    SDL_FlushEvents(SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED);  // the devices found on the way
    return true;
}

// SDL tells of a lost device (a server that went away, a card unplugged) by an event; the game
// opens only the one playing device, so any removal of a playing device is ours.
bool DeviceLost()
{
    bool lost = false;
    SDL_Event events[8];
    int count = 0;
    while ((count = SDL_PeepEvents(events, 8, SDL_GETEVENT, SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED)) > 0)
        for (int i = 0; i < count; ++i)
            lost = lost || (events[i].type == SDL_AUDIODEVICEREMOVED && events[i].adevice.iscapture == 0);
    return lost;
}

// The lost device is closed now and tried again on the next look, whatever the sound system
// looks like then.
void CloseLostDevice()
{
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
    lastLook = Clock::now();
    stateAtLastTry.reset();
}

void Watch()
{
    if (open && DeviceLost())
        CloseLostDevice();
    AudioDeviceReady();
    watch->SetInterval(open ? WatchOpenMs : WatchMissingMs);
}

// From the first use on, whichever screen is showing, so a song keeps its device.
void StartWatching()
{
    if (watch)
        return;
    watch = new Timer(WatchMissingMs, true);
    watch->OnTick(Watch);
}

}  // namespace

bool AudioDeviceReady()
{
    StartWatching();
    if (open)
        return true;
    const Clock::time_point now = Clock::now();
    if (lastLook && now - *lastLook < LookInterval)
        return false;
    lastLook = now;
    std::string state = SoundSystemState();
    if (state == stateAtLastTry && lastTry && now - *lastTry < BlindTryInterval)
        return false;
    stateAtLastTry = std::move(state);
    lastTry = now;
    open = TryOpen();
    if (open)
        for (const std::function<void()>& feed : feeds)
            feed();
    return open;
}

int AudioDeviceRate() { return rate == 0 ? FirstRate : rate; }

void WhenAudioDeviceOpens(std::function<void()> feed) { feeds.push_back(std::move(feed)); }

}  // namespace Platform
