#pragma once
// The heroines' names, read from the story texts (content/story/heroines.txt).
#include <string>

namespace Velmoor2 {

// The full name of heroine 1..8, family and given name joined by an ideographic space, as a
// scene shows it above her lines; empty for any other number.
std::string HeroineName(int heroine);

}  // namespace Velmoor2
