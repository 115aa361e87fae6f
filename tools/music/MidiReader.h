// Reads a Standard MIDI File back and sums it up, to check what the tool wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmusic {

struct TrackSummary {
    std::string name;
    int channel = 0;  // 1..16 of its first channel message, 0 if none
    int program = -1;
    int notes = 0;
    int lowestKey = 127;
    int highestKey = 0;
};

struct MidiSummary {
    int format = 0;
    int ticksPerQuarter = 0;
    int64_t lengthTicks = 0;  // the latest end-of-track
    double seconds = 0;       // that length under the file's tempo map
    std::vector<TrackSummary> tracks;
};

// Throws std::runtime_error when the file breaks the format: bad chunk lengths,
// bad variable-length numbers, missing end-of-track, notes left sounding.
MidiSummary readMidiFile(const std::vector<uint8_t>& bytes);

}  // namespace velmusic
