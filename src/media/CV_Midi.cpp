#include "media/CV_Midi.h"

#include "platform/DataFiles.h"
#include "platform/Sound.h"

namespace CV_Midi {
namespace {

// A file found nowhere is asked for by its bare name, and fails to play as a missing file does.
std::string Located(const std::string& fileName) { return Platform::FindDataFile(fileName).value_or(fileName); }

}  // namespace

void ResetMusicState()
{
    LoopMidi.clear();
    MidiOff = false;
}

void MidiPlay(const std::string& fileName)
{
    if (MidiOff)
        return;
    // A song that cannot start leaves the game silent; the watchdog tries again next second.
    Platform::PlayMusicFile(Located(fileName));
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
    Platform::PlaySoundFile(Located(fileName),
                            flags & SND_NODEFAULT ? WhenSoundMissing::Silence : WhenSoundMissing::DefaultSound);
}

}  // namespace CV_Midi
