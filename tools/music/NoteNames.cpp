#include "NoteNames.h"

#include "Song.h"

#include <array>
#include <utility>

namespace velmusic {

std::optional<int> parsePitch(std::string_view text)
{
    static constexpr std::array<int, 7> kSemitone = {9, 11, 0, 2, 4, 5, 7};  // a..g
    if (text.size() < 2 || text[0] < 'a' || text[0] > 'g')
        return std::nullopt;
    int key = kSemitone[text[0] - 'a'];
    size_t i = 1;
    if (text[i] == '#') {
        ++key;
        ++i;
    } else if (text[i] == 'b') {
        --key;
        ++i;
    }
    bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    if (i >= text.size())
        return std::nullopt;
    int octave = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        octave = octave * 10 + (text[i] - '0');
    }
    if (negative)
        octave = -octave;
    key += (octave + 1) * 12;
    if (key < 0 || key > 127)
        return std::nullopt;
    return key;
}

std::optional<int> drumKey(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, int>, 22> kDrums = {{
        {"bd", 36},   // bass drum
        {"rim", 37},  // side stick
        {"sd", 38},   // snare
        {"cp", 39},   // hand clap
        {"tl", 45},   // low tom
        {"ch", 42},   // closed hi-hat
        {"tm", 47},   // middle tom
        {"ph", 44},   // pedal hi-hat
        {"oh", 46},   // open hi-hat
        {"th", 50},   // high tom
        {"cr", 49},   // crash cymbal
        {"rd", 51},   // ride cymbal
        {"rb", 53},   // ride bell
        {"tb", 54},   // tambourine
        {"sp", 55},   // splash cymbal
        {"cb", 56},   // cowbell
        {"ws", 40},   // electric snare (soft brush-like in the brush kit)
        {"sh", 70},   // maracas, used as shaker
        {"wb", 76},   // high wood block
        {"wl", 77},   // low wood block
        {"tri", 81},  // open triangle
        {"cg", 63},   // open high conga
    }};
    for (const auto& [drum, key] : kDrums)
        if (drum == name)
            return key;
    return std::nullopt;
}

std::optional<int64_t> parseNoteValue(std::string_view text)
{
    size_t i = 0;
    int divisor = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        divisor = divisor * 10 + (text[i++] - '0');
    if (divisor != 1 && divisor != 2 && divisor != 4 && divisor != 8 && divisor != 16 && divisor != 32)
        return std::nullopt;
    int64_t ticks = 4 * kTicksPerQuarter / divisor;
    if (i < text.size() && text[i] == '.') {
        ticks += ticks / 2;
        ++i;
    } else if (i < text.size() && text[i] == 't') {
        ticks = ticks * 2 / 3;
        ++i;
    }
    if (i != text.size())
        return std::nullopt;
    return ticks;
}

}  // namespace velmusic
