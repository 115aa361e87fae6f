#pragma once
// The songs' synthesizer: one General MIDI synth for the whole run, its soundfont loaded once on
// the first song, fed into the open audio device. A song change only swaps the file it plays, so
// it costs no reload and memory stays the same however many songs are played.
#include <string>

namespace Platform {

// Stops the song that plays and starts the file from its beginning. False when it cannot play
// (no soundfont, an unreadable or non-MIDI file). Needs the audio device open.
bool StartSong(const std::string& path);
void StopSong();
// True while a song is playing; false once it has ended or was stopped.
bool SongPlaying();

}  // namespace Platform
