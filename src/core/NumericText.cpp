#include "core/NumericText.h"

#include <algorithm>
#include <limits>

namespace Velmoor2 {

NumberReading ReadNumber(std::string_view text)
{
    constexpr long Lowest = std::numeric_limits<Integer>::min();
    constexpr long Highest = std::numeric_limits<Integer>::max();
    NumberReading number;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    long value = 0;  // stops growing once past the range, however many digits follow
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number.found = true;
        if (value <= -Lowest)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    number.fits = value >= Lowest && value <= Highest;
    number.value = static_cast<Integer>(std::clamp(value, Lowest, Highest));
    number.end = i;
    return number;
}

Integer NumericValue(std::string_view text) { return ReadNumber(text).value; }

}  // namespace Velmoor2
