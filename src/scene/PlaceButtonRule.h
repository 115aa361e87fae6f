#pragma once

#include <array>
#include <optional>

namespace Velmoor2 {

// Which of the seven place buttons are enabled in a phase of play at a place. No value means
// the buttons are left as they are (before the game, and during the friend's call, which
// interrupts a walk whose buttons are already off).
std::optional<std::array<bool, 7>> PlaceButtonStates(int gamePhase, int currentPlace);

}  // namespace Velmoor2
