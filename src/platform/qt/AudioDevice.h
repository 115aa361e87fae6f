#pragma once
// The audio device the songs and sounds share, opened on first use. A device that cannot be
// opened is tried again at most once a second, so music starts when a device appears later.
namespace Platform {

// True when the device is open; may try to open it (quietly, at most once a second).
bool AudioDeviceReady();
// Samples a second the device plays at; valid once AudioDeviceReady() was true.
int AudioDeviceRate();

}  // namespace Platform
