#pragma once
// Texts counted by characters, as the players see them, rather than by bytes.
#include <string>
#include <string_view>

namespace Velmoor2 {

std::u32string ToCharacters(std::string_view utf8);
std::string FromCharacters(std::u32string_view characters);

}  // namespace Velmoor2
