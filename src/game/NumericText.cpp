#include "game/NumericText.h"

namespace Velmoor2 {

Integer NumericValue(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000)
        value = value * 10 + (text[i++] - '0');
    if (negative)
        value = -value;
    // Beyond the 16-bit range a number is held at its nearest end.
    if (value > 32767)
        value = 32767;
    if (value < -32768)
        value = -32768;
    return static_cast<Integer>(value);
}

}  // namespace Velmoor2
