// Reads the text of a score (see content/music/README.md) into a Song.
#pragma once

#include "Song.h"

#include <string>
#include <string_view>

namespace velmusic {

// Throws std::runtime_error with "file:line: message" on any mistake in the score.
Song parseScore(std::string_view text, const std::string& fileName);

}  // namespace velmusic
