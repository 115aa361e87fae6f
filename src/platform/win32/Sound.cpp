#include "platform/Sound.h"

#include "platform/win32/Win32Bridge.h"

#include <cctype>
#include <mmsystem.h>

namespace Platform {
namespace {

// Songs go through the system's MIDI sequencer by MCI command strings under the alias Midi.
// Every command's code is turned into its text and let go: no music error reaches the player.
MCIERROR Send(const std::string& command, size_t replySize, std::string* reply = nullptr)
{
    std::string buffer(replySize, '\0');
    const MCIERROR code = mciSendStringA(command.c_str(), buffer.data(), static_cast<UINT>(buffer.size()), nullptr);
    if (reply)
        *reply = buffer.c_str();
    return code;
}

void DiscardErrorText(MCIERROR code)
{
    char text[1024];
    mciGetErrorStringA(code, text, sizeof text);
}

// The path as the system's ANSI functions take it: the player's code page.
std::string AnsiPath(const std::string& path)
{
    const std::wstring wide = Wide(path);
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace

bool PlayMusicFile(const std::string& path)
{
    StopMusic();
    const MCIERROR opened = Send("open \"" + AnsiPath(path) + "\" type sequencer alias Midi", 512);
    DiscardErrorText(opened);
    const MCIERROR played = Send("play Midi", 512);
    DiscardErrorText(played);
    return opened == 0 && played == 0;
}

void StopMusic() { DiscardErrorText(Send("close Midi", 1)); }

// "playing", and "paused" too: the device holds a song it has not finished.
bool IsMusicPlaying()
{
    std::string mode;
    Send("Status Midi mode", 512, &mode);
    return !mode.empty() && std::toupper(static_cast<unsigned char>(mode[0])) == 'P';
}

void PlaySoundFile(const std::string& path, WhenSoundMissing whenMissing)
{
    const UINT flags = SND_ASYNC | (whenMissing == WhenSoundMissing::Silence ? SND_NODEFAULT : 0);
    sndPlaySoundA(AnsiPath(path).c_str(), flags);
}

}  // namespace Platform
