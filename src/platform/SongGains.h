#pragma once
// Each song's gain on each soundfont the game looks for, so that every song plays at one level
// (SongLevelDb, dB of full scale over the whole song) whichever of them is installed: the
// soundfonts voice the same score up to 13 dB apart. Measured from renders of the songs;
// `velloudness --gains` prints these rows and the loudness tests check them on both soundfonts.
#include <string_view>

namespace Platform {

inline constexpr double SongLevelDb = -27.5;

struct SongGain {
    std::string_view soundFont;  // the file's own name, links followed
    std::string_view song;
    double gainDb;
};

inline constexpr SongGain SongGains[] = {
    // velloudness --gains /usr/share/sounds/sf2/TimGM6mb.sf2 M*.mid: -28.0 to -26.9 dB without gains
    {"TimGM6mb.sf2", "M290C.mid", 0.5},   // -28.0 dB, peak 0.26
    {"TimGM6mb.sf2", "M291C.mid", 0.4},   // -27.9 dB, peak 0.26
    {"TimGM6mb.sf2", "M292C.mid", -0.2},  // -27.3 dB, peak 0.24
    {"TimGM6mb.sf2", "M293C.mid", 0.0},   // -27.5 dB, peak 0.27
    {"TimGM6mb.sf2", "M294C.mid", -0.2},  // -27.3 dB, peak 0.32
    {"TimGM6mb.sf2", "M210C.mid", -0.6},  // -26.9 dB, peak 0.26
    {"TimGM6mb.sf2", "M220C.mid", -0.4},  // -27.1 dB, peak 0.36
    {"TimGM6mb.sf2", "M230C.mid", -0.5},  // -27.0 dB, peak 0.26
    {"TimGM6mb.sf2", "M240C.mid", 0.4},   // -27.9 dB, peak 0.30
    {"TimGM6mb.sf2", "M250C.mid", -0.3},  // -27.2 dB, peak 0.31
    {"TimGM6mb.sf2", "M260C.mid", 0.2},   // -27.7 dB, peak 0.35
    // velloudness --gains /usr/share/sounds/sf2/FluidR3_GM.sf2 M*.mid: -36.9 to -23.4 dB without gains
    {"FluidR3_GM.sf2", "M290C.mid", 9.4},   // -36.9 dB, peak 0.10
    {"FluidR3_GM.sf2", "M291C.mid", -4.1},  // -23.4 dB, peak 0.45
    {"FluidR3_GM.sf2", "M292C.mid", -1.3},  // -26.2 dB, peak 0.30
    {"FluidR3_GM.sf2", "M293C.mid", 7.7},   // -35.2 dB, peak 0.12
    {"FluidR3_GM.sf2", "M294C.mid", -0.6},  // -26.9 dB, peak 0.26
    {"FluidR3_GM.sf2", "M210C.mid", 6.2},   // -33.7 dB, peak 0.16
    {"FluidR3_GM.sf2", "M220C.mid", -3.6},  // -23.9 dB, peak 0.72
    {"FluidR3_GM.sf2", "M230C.mid", -1.5},  // -26.0 dB, peak 0.29
    {"FluidR3_GM.sf2", "M240C.mid", -3.8},  // -23.7 dB, peak 0.57
    {"FluidR3_GM.sf2", "M250C.mid", -2.4},  // -25.1 dB, peak 0.44
    {"FluidR3_GM.sf2", "M260C.mid", -0.5},  // -27.0 dB, peak 0.33
};

// The gain of the song on the soundfont; 0 for a song or soundfont not measured.
constexpr double SongGainDb(std::string_view soundFont, std::string_view song)
{
    for (const SongGain& gain : SongGains)
        if (gain.soundFont == soundFont && gain.song == song)
            return gain.gainDb;
    return 0;
}

}  // namespace Platform
