#pragma once
// Inside the Windows platform only: captions broken into lines as the labels draw them.
// Japanese breaks between any two characters except before closing marks; Latin words break at
// their spaces; a line break in the caption always breaks.
#include <string>
#include <vector>
#include <windows.h>

namespace Platform {

struct TextLine {
    std::wstring text;
    int width = 0;  // pixels, in the font selected into the device context
};

// Lines of `text` in the font of `dc`, none wider than `width` where a break allows.
std::vector<TextLine> LayOutLines(HDC dc, const std::wstring& text, int width);
int LineHeight(HDC dc);

}  // namespace Platform
