#pragma once
// The heroines' first lines.
#include <string>
#include <string_view>

namespace Velmoor2 {

// The greeting of a conversation id, with the player's family name where she says it.
std::string GreetingText(std::string_view id);

}  // namespace Velmoor2
