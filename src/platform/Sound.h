#pragma once
// The sound device: one MIDI song and one short sound at a time. Every failure is silent: no
// audio device, no soundfont or a missing file leaves the game quiet and nothing else changes.
#include <string>

namespace Platform {

// Stops whatever song plays and starts the file from its beginning. False when it cannot play.
bool PlayMusicFile(const std::string& path);
void StopMusic();
// True while a song is sounding (its last notes included).
bool IsMusicPlaying();

// Plays a WAV file in the background, replacing the sound that is playing.
void PlaySoundFile(const std::string& path);

}  // namespace Platform
