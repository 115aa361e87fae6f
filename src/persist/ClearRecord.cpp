#include "persist/ClearRecord.h"

#include "core/Utf8.h"

namespace Velmoor2 {
namespace {

// Only the two outcome bits mean anything; a digit edited by hand to 8 or 9 would otherwise
// grow into a letter (9 and mutual love: "B") that every reader takes for 0, losing the clear.
// Kept to these bits, the digit is 0 to 3: the same character in decimal and hexadecimal.
char32_t OutcomeDigit(int outcomes)
{
    return static_cast<char32_t>(U'0' + (outcomes & (OutcomeConfession | OutcomeMutualLove)));
}

}  // namespace

int DigitValue(char32_t c) { return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : 0; }

int HeroineOfMarker(char32_t marker)
{
    const size_t found = ClearMarkers.find(marker);
    return found == std::u32string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string UpdatedClearRecord(std::string_view record, int girl, int outcome)
{
    std::u32string characters = ToCharacters(record);
    const char32_t marker = ClearMarkers[girl - 1];
    const size_t at = characters.find(marker);
    if (at == std::u32string::npos) {
        characters.push_back(marker);
        characters.push_back(OutcomeDigit(outcome));
    } else if (at + 1 == characters.size()) {
        characters.push_back(OutcomeDigit(outcome));
    } else {
        characters[at + 1] = OutcomeDigit(DigitValue(characters[at + 1]) | outcome);
    }
    return FromCharacters(characters);
}

int RecordedOutcome(std::string_view record, int girl)
{
    const std::u32string characters = ToCharacters(record);
    const size_t at = characters.find(ClearMarkers[girl - 1]);
    if (at == std::u32string::npos || at + 1 >= characters.size())
        return 0;
    return DigitValue(characters[at + 1]);
}

}  // namespace Velmoor2
