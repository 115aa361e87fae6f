#include "platform/qt/SoundSystemState.h"

#include <cstdlib>
#include <sys/stat.h>
#include <vector>

namespace Platform {
namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Where PulseAudio and PipeWire listen for their players, and where the kernel lists the cards.
std::vector<std::string> WatchedPaths()
{
    std::vector<std::string> paths;
    std::string server = Variable("PULSE_SERVER");
    if (server.starts_with("unix:"))
        server.erase(0, 5);
    if (server.starts_with("/"))
        paths.push_back(server);
    if (const std::string runtime = Variable("PULSE_RUNTIME_PATH"); !runtime.empty())
        paths.push_back(runtime + "/native");
    if (const std::string runtime = Variable("XDG_RUNTIME_DIR"); !runtime.empty()) {
        paths.push_back(runtime + "/pulse/native");
        paths.push_back(runtime + "/pipewire-0");
    }
    paths.push_back("/run/pulse/native");  // a server for the whole system
    paths.push_back("/dev/snd");
    return paths;
}

}  // namespace

std::string SoundSystemState()
{
    std::string state = Variable("SDL_AUDIODRIVER");
    for (const std::string& path : WatchedPaths()) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0)
            state += '|' + path + ':' + std::to_string(status.st_ino) + ':' + std::to_string(status.st_ctim.tv_sec)
                + '.' + std::to_string(status.st_ctim.tv_nsec);
    }
    return state;
}

}  // namespace Platform
