#include "Performance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace velmusic {
namespace {

int metricAccent(int64_t tick, int64_t barTicks, int64_t beatTicks)
{
    int64_t inBar = tick % barTicks;
    if (inBar == 0)
        return 5;
    if (inBar % beatTicks == 0)
        return 0;
    if (inBar % (beatTicks / 2) == 0)
        return -3;
    return -6;
}

// A phrase swells towards two thirds of its length and settles at its end, as a player breathes.
int phraseSwell(int64_t tick, int64_t phraseTicks)
{
    const double at = double(tick % phraseTicks) / double(phraseTicks);
    const double shape = at < 0.65 ? -4 + 10 * at / 0.65 : 6 - 13 * (at - 0.65) / 0.35;
    return static_cast<int>(std::lround(shape));
}

// Moves straight eighths within each quarter so that the first takes swingPercent of it.
int64_t swung(int64_t tick, int swingPercent)
{
    const int64_t half = kTicksPerQuarter / 2;
    const int64_t split = kTicksPerQuarter * swingPercent / 100;
    int64_t beatStart = tick - tick % kTicksPerQuarter;
    int64_t inBeat = tick % kTicksPerQuarter;
    int64_t moved =
        inBeat <= half ? inBeat * split / half : split + (inBeat - half) * (kTicksPerQuarter - split) / half;
    return beatStart + moved;
}

class Dice {
public:
    // A whole number from -spread to spread.
    int roll(int spread)
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) % static_cast<uint32_t>(2 * spread + 1)) - spread;
    }

private:
    uint32_t state_ = 12345;
};

// A note moved early must not be cut off by the end of the same key played just before it.
void endBeforeTheSameKeyAgain(std::vector<Note>& notes)
{
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.start < b.start; });
    std::map<int, Note*> lastOfKey;
    for (Note& note : notes) {
        if (auto it = lastOfKey.find(note.key);
            it != lastOfKey.end() && it->second->start + it->second->length > note.start)
            it->second->length = std::max<int64_t>(1, note.start - it->second->start);
        lastOfKey[note.key] = &note;
    }
}

}  // namespace

void perform(Song& song)
{
    const int64_t beatTicks = 4 * kTicksPerQuarter / song.beatUnit;
    const int64_t barTicks = beatTicks * song.beatsPerBar;
    Dice dice;
    for (Track& track : song.tracks) {
        for (Note& note : track.notes) {
            int velocity = note.velocity + metricAccent(note.start, barTicks, beatTicks) + dice.roll(3);
            if (song.phraseBars > 0)
                velocity += phraseSwell(note.start, barTicks * song.phraseBars);
            note.velocity = std::clamp(velocity, 1, 127);
            if (song.swingPercent != 50) {
                int64_t end = swung(note.start + note.length, song.swingPercent);
                note.start = swung(note.start, song.swingPercent);
                note.length = std::max<int64_t>(1, end - note.start);
            }
            if (song.feelTicks > 0)
                note.start = std::max<int64_t>(0, note.start + dice.roll(song.feelTicks));
        }
        if (song.feelTicks > 0)
            endBeforeTheSameKeyAgain(track.notes);
    }
}

}  // namespace velmusic
