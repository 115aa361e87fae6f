// The one code page converter over any bytes: a text it reads can be written back, and reads the
// same again; a text it writes can be read.
#include "FuzzCheck.h"
#include "core/Utf8.h"
#include "platform/Cp932.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<std::string> text = Platform::Cp932ToUtf8(bytes)) {
        Require(Velmoor2::FromCharacters(Velmoor2::ToCharacters(*text)) == *text, "what is read is UTF-8");
        const std::optional<std::string> written = Platform::Utf8ToCp932(*text);
        Require(written.has_value(), "what is read can be written back");
        const std::optional<std::string> again = Platform::Cp932ToUtf8(*written);
        Require(again == text, "what is written back reads the same");
    }
    if (const std::optional<std::string> written = Platform::Utf8ToCp932(bytes))
        Require(Platform::Cp932ToUtf8(*written).has_value(), "what is written can be read");
    return 0;
}
