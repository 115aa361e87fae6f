#pragma once
// The player's own window scale, kept in the settings store beside the game's values but in a
// section of its own, so the data room's erase leaves it alone:
//   [Display]
//   Scale=2        1 to 4 fixes the scale; 0, missing or anything else lets the game choose
#include <string>

namespace Velmoor2 {

inline constexpr const char* DisplaySectionName = "Display";
inline constexpr const char* ScaleKey = "Scale";

// The scale the player fixed, 1 to 4; 0 when the game is to choose.
int PlayersWindowScale();

}  // namespace Velmoor2
