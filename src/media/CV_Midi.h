#pragma once
// The game's music: one song at a time from the game's files (platform/DataFiles), a watchdog that restarts the
// looping song once it has ended, and a switch that silences music for the rest of the run.
#include <string>

namespace CV_Midi {

inline std::string LoopMidi;  // the song the watchdog keeps going
inline bool MidiOff = false;  // set on the title screen; stays set for the run

// Both back to what a fresh run starts with (tests that play many games).
void ResetMusicState();

void MidiPlay(const std::string& fileName);
void MidiClose();
bool MidiIsPlaying();
void MidiWatchdog();

// A short sound (WAV) from the game's files; it replaces the one playing. The flags are
// those of the desktop's simple sound call: a missing file gives the desktop's default sound
// unless SND_NODEFAULT is among them.
constexpr int SND_ASYNC = 1;
constexpr int SND_NODEFAULT = 2;
void PlaySound(const std::string& fileName, int flags);

}  // namespace CV_Midi
