// Writes a Song as a Standard MIDI File, format 1: a conductor track with
// title, metre and tempo, then one track per instrument.
#pragma once

#include "Song.h"

#include <cstdint>
#include <vector>

namespace velmusic {

std::vector<uint8_t> midiFileBytes(const Song& song);

}  // namespace velmusic
