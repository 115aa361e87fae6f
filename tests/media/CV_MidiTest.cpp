// The looping song on the dummy audio device: the watchdog starts it again after it ends,
// and switching the music off for the run keeps everything silent.
#include "media/CV_Midi.h"

#include "support/ScratchFolder.h"

#include <chrono>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

namespace {

// One quiet note of a twentieth of a second: a song that is over almost at once.
const std::string ShortSong("MThd\0\0\0\x06\0\0\0\x01\0\x60"
                            "MTrk\0\0\0\x0C\0\x90\x3C\x10\x0C\x80\x3C\0\0\xFF\x2F\0",
                            34);

bool PlayingWithin(bool playing, int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (CV_Midi::MidiIsPlaying() != playing && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return CV_Midi::MidiIsPlaying() == playing;
}

}  // namespace

TEST(CV_Midi, TheWatchdogRestartsTheLoopingSongAndMidiOffSilencesIt)
{
    ScratchFolder folder;
    folder.Write("SHORT.mid", ShortSong);
    CV_Midi::LoopMidi = "SHORT.mid";
    CV_Midi::MidiPlay(CV_Midi::LoopMidi);
    if (!CV_Midi::MidiIsPlaying())
        GTEST_SKIP() << "no MIDI playback on this machine";
    ASSERT_TRUE(PlayingWithin(false, 5));
    CV_Midi::MidiWatchdog();
    EXPECT_TRUE(CV_Midi::MidiIsPlaying());

    CV_Midi::MidiClose();
    CV_Midi::MidiOff = true;
    CV_Midi::MidiPlay(CV_Midi::LoopMidi);
    CV_Midi::MidiWatchdog();
    EXPECT_FALSE(CV_Midi::MidiIsPlaying());
    CV_Midi::MidiOff = false;
    CV_Midi::LoopMidi.clear();
}

TEST(CV_Midi, AMissingSongOrSoundLeavesTheGameSilentAndGoing)
{
    ScratchFolder folder;
    CV_Midi::MidiPlay("NOSUCH.mid");
    EXPECT_FALSE(CV_Midi::MidiIsPlaying());
    CV_Midi::MidiPlay("");  // the folder itself
    EXPECT_FALSE(CV_Midi::MidiIsPlaying());
    folder.Write("BROKEN.mid", "MThd broken");
    CV_Midi::MidiPlay("BROKEN.mid");                       // may count as a silent song; it must only not stop the game
    CV_Midi::PlaySound("NOSUCH.wav", CV_Midi::SND_ASYNC);  // the default chime instead
    CV_Midi::PlaySound("NOSUCH.wav", CV_Midi::SND_ASYNC | CV_Midi::SND_NODEFAULT);
    CV_Midi::MidiClose();
    EXPECT_FALSE(CV_Midi::MidiIsPlaying());
}

// No device at first: the song stays silent and the device is not looked for again within the
// second; once a device is there, the next watchdog second starts the song. Run in a child
// process, as the device is opened once per run.
TEST(CV_Midi, MusicStartsWhenADeviceAppearsLater)
{
    ScratchFolder folder;
    folder.Write("SHORT.mid", ShortSong);
    auto deviceAppears = [] {
        ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
        CV_Midi::LoopMidi = "SHORT.mid";
        CV_Midi::MidiWatchdog();
        if (CV_Midi::MidiIsPlaying())
            std::_Exit(2);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        CV_Midi::MidiWatchdog();
        if (CV_Midi::MidiIsPlaying())
            std::_Exit(3);  // tried again within the second
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        CV_Midi::MidiWatchdog();
        std::_Exit(CV_Midi::MidiIsPlaying() ? 0 : 4);
    };
    EXPECT_EXIT(deviceAppears(), testing::ExitedWithCode(0),
                testing::Not(testing::ContainsRegex("fluidsynth|ALSA|SDL")));
}
