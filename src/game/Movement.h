#pragma once
// Walking between places: the place buttons and the start of a walk. The clock ends the walk.
#include <string>
#include <string_view>

namespace Velmoor2 {

// The player sets off for a place; the caption is that of the clicked button.
void StartWalk(int destination, std::string_view buttonCaption);

// What the player thinks as he sets off; late walks (arriving at minute 28 or later) worry about
// the gate instead of counting minutes.
std::string WalkStartText(std::string_view buttonCaption, int walkMinutes, int arrivalMinute);

}  // namespace Velmoor2
