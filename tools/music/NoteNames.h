// Names used in scores: pitches (c4 = key 60), drum sounds and note values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmusic {

// "c4", "f#3", "bb2", "c-1": letter, optional # or b, octave. Returns the MIDI key.
std::optional<int> parsePitch(std::string_view text);

// "bd", "sd", "ch", ... Returns the key on the General MIDI drum channel.
std::optional<int> drumKey(std::string_view name);

// "4" quarter, "8." dotted eighth, "8t" eighth triplet, "1" whole. Returns ticks.
std::optional<int64_t> parseNoteValue(std::string_view text);

}  // namespace velmusic
