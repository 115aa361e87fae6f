#pragma once
// The one place where text changes between the game's UTF-8 strings and the
// Shift-JIS code page (932) of every file the game reads or writes.
#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// Empty optional when the bytes are not valid in the source encoding.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace Platform
