// Plays a MIDI file through a soundfont offline, the way the game's synthesizer plays it, to
// hear what a score sounds like by measuring it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmusic {

struct RenderedLevel {
    double seconds = 0;   // until the song's last event
    double rmsDb = -200;  // level over that time, dB of full scale, both channels
    double peak = 0;      // loudest sample, 0..1 of full scale (above 1 would clip)
};

// Throws std::runtime_error when the soundfont or the file cannot be played.
RenderedLevel renderLevel(const std::string& soundFont, const std::vector<uint8_t>& midi);

}  // namespace velmusic
