#pragma once
// The heroines' first lines and names.
#include <string>
#include <string_view>

namespace Velmoor2 {

// The greeting of a conversation id, with the player's family name where she says it.
std::string GreetingText(std::string_view id);
// The full name of heroine 1..8, family and given name joined by an ideographic space.
std::string HeroineName(int heroine);

}  // namespace Velmoor2
