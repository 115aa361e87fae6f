// Plays MIDI files through a soundfont offline, the way the game's synthesizer plays them, to
// hear what a score sounds like by measuring it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmusic {

// The start of a song, all that a player who moves on quickly hears of it (the title screen).
inline constexpr double kOpeningSeconds = 20;

struct RenderedLevel {
    double seconds = 0;          // until the song's last event
    double rmsDb = -200;         // level over that time, dB of full scale, both channels
    double openingRmsDb = -200;  // level over its first kOpeningSeconds
    double peak = 0;             // loudest sample, 0..1 of full scale (above 1 would clip)
};

// One synthesizer with the soundfont loaded once, for song after song.
class SongRenderer {
public:
    // Throws std::runtime_error when the soundfont cannot be loaded.
    explicit SongRenderer(const std::string& soundFont);
    ~SongRenderer();
    SongRenderer(const SongRenderer&) = delete;
    SongRenderer& operator=(const SongRenderer&) = delete;

    // The song at the game's music level raised by gainDb. Throws std::runtime_error when the
    // file cannot be played.
    RenderedLevel render(const std::vector<uint8_t>& midi, double gainDb);

private:
    struct Synth;
    std::unique_ptr<Synth> synth_;
};

}  // namespace velmusic
