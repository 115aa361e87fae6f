#pragma once

#include <array>
#include <string_view>

// The seven places of the school grounds and the paths between them.
// Place n (1..7) is the main screen's button Command1(n - 1).
namespace Velmoor2 {

constexpr int PlaceCount = 7;

// Caption of the place button, as the main screen shows it.
std::string_view PlaceCaption(int place);

// Window header shown on arrival at the place.
std::string_view PlaceHeader(int place);

// Walking time in game minutes between two places; 0 where no path joins them.
int WalkingMinutes(int from, int to);

// True when a path joins the two places.
bool AreNeighbours(int from, int to);

}  // namespace Velmoor2
