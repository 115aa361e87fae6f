// A song as the music tool sees it: tempo, metre and tracks of timed notes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmusic {

// Ticks per quarter note in every file the tool writes.
constexpr int kTicksPerQuarter = 480;

struct Note {
    int64_t start = 0;   // ticks from the song's start
    int64_t length = 0;  // sounding length in ticks
    int key = 60;        // MIDI key, 60 = c4
    int velocity = 80;   // 1..127
};

struct Track {
    std::string name;
    int channel = 1;  // 1..16; channel 10 plays drums
    int program = 0;  // General MIDI program, 0..127
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    std::vector<Note> notes;
};

struct Song {
    std::string title;
    int tempoBpm = 120;
    int beatsPerBar = 4;
    int beatUnit = 4;
    int swingPercent = 50;    // share of each beat given to its first eighth; 50 plays straight
    int feelTicks = 0;        // how far a played note may fall from the grid; 0 plays strictly
    int phraseBars = 0;       // bars of a phrase, which swells and settles; 0 plays flat
    int64_t lengthTicks = 0;  // end of the last bar
    std::vector<Track> tracks;
};

}  // namespace velmusic
