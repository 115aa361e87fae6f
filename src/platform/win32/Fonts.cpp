#include "platform/win32/Fonts.h"

#include "platform/Application.h"

#include <cmath>
#include <map>
#include <tuple>

namespace Platform {
namespace {

constexpr int DefaultFontPixels = 12;

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

HFONT MakeFont(const wchar_t* face, int pixels, bool bold, bool italic)
{
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

void LoadGameFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const std::wstring folder = ProgramFolder();
    for (const wchar_t* file : {L"ipagp.ttf", L"ipamp.ttf"})
        AddFontResourceExW((folder + file).c_str(), FR_PRIVATE, nullptr);
}

HFONT DesignFont(const std::string& family, double points, bool bold, bool italic)
{
    // The proportional Japanese fonts of the designs; IPA's proportional faces stand in. Sizes
    // follow the designs' 96 dots per inch, n times as large at window scale n.
    const bool serif = family.find("明朝") != std::string::npos || family.find("Mincho") != std::string::npos;
    const int pixels = static_cast<int>(std::lround(points * 96.0 / 72.0)) * WindowScale();
    static std::map<std::tuple<bool, int, bool, bool>, HFONT> made;
    HFONT& font = made[{serif, pixels, bold, italic}];
    if (!font)
        font = MakeFont(serif ? L"IPAPMincho" : L"IPAPGothic", pixels, bold, italic);
    return font;
}

HFONT DefaultFont()
{
    static std::map<int, HFONT> made;
    HFONT& font = made[WindowScale()];
    if (!font)
        font = MakeFont(L"IPAPGothic", DefaultFontPixels * WindowScale(), false, false);
    return font;
}

}  // namespace Platform
