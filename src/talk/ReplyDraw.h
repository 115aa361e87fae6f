#pragma once
// Five of a conversation's ten replies, drawn without repeats; the order drawn is the order of
// the buttons.
#include <array>
#include <functional>

namespace Velmoor2 {

// Positions 1..10; `unit` gives random numbers in [0, 1).
std::array<int, 5> DrawFivePositions(const std::function<double()>& unit);

}  // namespace Velmoor2
