// Splits a line of notes into tokens and unrolls "( ... )*N" repeat groups.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmusic {

// Throws std::runtime_error on an unbalanced group or a bad repeat count.
std::vector<std::string> noteTokens(std::string_view line);

}  // namespace velmusic
