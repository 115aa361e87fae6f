#pragma once
// What opening the audio device depends on, as text that changes when the sound system does: the
// driver asked for, the sound servers' sockets (a server that starts or restarts makes its socket
// anew) and the sound cards. Costs a few file lookups, so it can be asked every second.
#include <string>

namespace Platform {

std::string SoundSystemState();

}  // namespace Platform
