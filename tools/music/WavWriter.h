// Writes a Sound as a 16-bit PCM WAV file.
#pragma once

#include "Sound.h"

#include <cstdint>
#include <vector>

namespace velmusic {

std::vector<uint8_t> wavFileBytes(const Sound& sound);

}  // namespace velmusic
