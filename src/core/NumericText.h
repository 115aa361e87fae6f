#pragma once
// A number read from the start of a text: leading blanks skipped, an optional sign, then digits
// up to the first character that cannot continue it; no number reads as 0.
#include "core/GameState.h"

#include <cstddef>
#include <string_view>

namespace Velmoor2 {

struct NumberReading {
    bool found = false;  // false when the text holds no digits (the value is then 0)
    bool fits = true;    // false when the number lies beyond the 16-bit range
    Integer value = 0;   // held at the nearest end of the range when it does not fit
    size_t end = 0;      // where the number's text stops
};

NumberReading ReadNumber(std::string_view text);
Integer NumericValue(std::string_view text);

}  // namespace Velmoor2
