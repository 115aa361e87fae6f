#pragma once
// The audio device the songs and sounds share, opened on first use and watched from then on: a
// device that cannot be opened is tried again when a sound server or card appears, and one that
// is lost (its sound server stopped or restarted, its card unplugged) is closed and opened
// afresh, so sound comes back when the server does. Every failure is silent.
#include <functional>

namespace Platform {

// True when the device is open; may try to open it (quietly, at most four times a second).
bool AudioDeviceReady();
// Samples a second the device plays at; valid once AudioDeviceReady() was true. A device opened
// again after a loss keeps the rate of the first, so what was made for it stays valid.
int AudioDeviceRate();
// Runs each time the device opens, the first time and after every loss, to feed it again.
void WhenAudioDeviceOpens(std::function<void()> feed);

}  // namespace Platform
