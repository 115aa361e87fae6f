#include "Performance.h"

#include <algorithm>
#include <cstdint>

namespace velmusic {
namespace {

int metricAccent(int64_t tick, int64_t barTicks, int64_t beatTicks) {
    int64_t inBar = tick % barTicks;
    if (inBar == 0) return 5;
    if (inBar % beatTicks == 0) return 0;
    if (inBar % (beatTicks / 2) == 0) return -3;
    return -6;
}

// Moves straight eighths within each quarter so that the first takes swingPercent of it.
int64_t swung(int64_t tick, int swingPercent) {
    const int64_t half = kTicksPerQuarter / 2;
    const int64_t split = kTicksPerQuarter * swingPercent / 100;
    int64_t beatStart = tick - tick % kTicksPerQuarter;
    int64_t inBeat = tick % kTicksPerQuarter;
    int64_t moved = inBeat <= half ? inBeat * split / half : split + (inBeat - half) * (kTicksPerQuarter - split) / half;
    return beatStart + moved;
}

}  // namespace

void perform(Song& song) {
    const int64_t beatTicks = 4 * kTicksPerQuarter / song.beatUnit;
    const int64_t barTicks = beatTicks * song.beatsPerBar;
    uint32_t random = 12345;
    for (Track& track : song.tracks) {
        for (Note& note : track.notes) {
            random = random * 1103515245u + 12345u;
            int jitter = static_cast<int>((random >> 16) % 7) - 3;
            note.velocity = std::clamp(note.velocity + metricAccent(note.start, barTicks, beatTicks) + jitter, 1, 127);
            if (song.swingPercent != 50) {
                int64_t end = swung(note.start + note.length, song.swingPercent);
                note.start = swung(note.start, song.swingPercent);
                note.length = std::max<int64_t>(1, end - note.start);
            }
        }
    }
}

}  // namespace velmusic
