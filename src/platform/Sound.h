#pragma once
// The sound device: one MIDI song and one short sound at a time. Every failure is silent: no
// audio device, no soundfont or a missing file leaves the game quiet and nothing else changes.
// A device that is missing or lost is looked for again while the game runs, so sound starts when
// one appears later and comes back when its server does.
#include <string>

namespace Platform {

// Stops whatever song plays and starts the file from its beginning. False when it cannot play.
bool PlayMusicFile(const std::string& path);
void StopMusic();
// True while a song is playing.
bool IsMusicPlaying();

// What a short sound does when its file is missing or unreadable: the desktop's default sound
// (a short chime), or nothing.
enum class WhenSoundMissing { DefaultSound, Silence };

// Plays a WAV file in the background, replacing the sound that is playing.
void PlaySoundFile(const std::string& path, WhenSoundMissing whenMissing);

}  // namespace Platform
