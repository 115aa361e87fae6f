#pragma once
// A number read from the start of a text: leading blanks skipped, an optional sign, then digits
// up to the first character that cannot continue it; no number reads as 0.
#include "game/GameState.h"

#include <string_view>

namespace Velmoor2 {

Integer NumericValue(std::string_view text);

}  // namespace Velmoor2
