#include "media/CV_Midi.h"

#include "platform/Sound.h"

#include <filesystem>

namespace CV_Midi {
namespace {

std::string InCurrentDirectory(const std::string& fileName)
{
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    return (directory / fileName).string();
}

}  // namespace

void MidiPlay(const std::string& fileName)
{
    if (MidiOff)
        return;
    // A song that cannot start leaves the game silent; the watchdog tries again next second.
    Platform::PlayMusicFile(InCurrentDirectory(fileName));
}

void MidiClose() { Platform::StopMusic(); }

bool MidiIsPlaying() { return Platform::IsMusicPlaying(); }

void MidiWatchdog()
{
    if (MidiOff)
        return;
    if (!MidiIsPlaying())
        MidiPlay(LoopMidi);
}

void PlaySound(const std::string& fileName, int flags)
{
    using Platform::WhenSoundMissing;
    Platform::PlaySoundFile(InCurrentDirectory(fileName),
                            flags & SND_NODEFAULT ? WhenSoundMissing::Silence : WhenSoundMissing::DefaultSound);
}

}  // namespace CV_Midi
