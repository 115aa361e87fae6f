#pragma once
// The clear record: per cleared heroine her marker character and one hexadecimal digit, bit 1
// confession, bit 2 mutual love, in the order of the first clears.
#include <string>
#include <string_view>

namespace Velmoor2 {

inline constexpr std::u32string_view ClearMarkers = U"修康和潤智裕進道";
constexpr int OutcomeConfession = 1;
constexpr int OutcomeMutualLove = 2;

// The record after heroine `girl` (1..8) was cleared with the outcome. Every other entry stays
// as it was. A marker standing last with no digit (a record damaged by hand) gets its digit, and
// her digit keeps only the outcome bits, so that it stays one the readers understand.
std::string UpdatedClearRecord(std::string_view record, int girl, int outcome);

// An outcome digit as a number; anything but a digit reads as 0.
int DigitValue(char32_t digit);
// The heroine (1..8) a marker stands for; 0 for any other character.
int HeroineOfMarker(char32_t marker);
// The outcome digit recorded for the heroine; 0 when she has not been cleared.
int RecordedOutcome(std::string_view record, int girl);

}  // namespace Velmoor2
