#include "platform/Cp932.h"

#include "platform/win32/Win32Bridge.h"

namespace Platform {
namespace {

constexpr UINT ShiftJis = 932;

std::optional<std::wstring> ToWide(UINT codePage, std::string_view bytes)
{
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length == 0)
        return std::nullopt;  // not valid in that code page
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932)
{
    const std::optional<std::wstring> wide = ToWide(ShiftJis, cp932);
    if (!wide)
        return std::nullopt;
    return Narrow(*wide);
}

// A character code page 932 does not have fails the whole conversion: nothing is replaced by a
// look-alike or a question mark.
std::optional<std::string> Utf8ToCp932(std::string_view utf8)
{
    const std::optional<std::wstring> wide = ToWide(CP_UTF8, utf8);
    if (!wide)
        return std::nullopt;
    if (wide->empty())
        return std::string();
    const int size = static_cast<int>(wide->size());
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0, nullptr, &lost);
    if (length == 0 || lost)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide->data(), size, bytes.data(), length, nullptr, &lost);
    return bytes;
}

}  // namespace Platform
