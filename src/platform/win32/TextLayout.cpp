#include "platform/win32/TextLayout.h"

#include <algorithm>

namespace Platform {
namespace {

// Marks a line does not begin with, as Japanese typesetting keeps them with the word before.
bool ClosesWord(wchar_t c)
{
    return std::wstring_view(L"、。，．・：；？！ー」』）】〕〉》”’…‥,.!?:;)]}").find(c) != std::wstring_view::npos;
}

bool IsLatin(wchar_t c) { return c > L' ' && c < 0x3000; }

int WidthOf(HDC dc, std::wstring_view text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// How many characters of the paragraph start the next line.
size_t Fitting(HDC dc, std::wstring_view paragraph, int width)
{
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, paragraph.data(), static_cast<int>(paragraph.size()), width, &fit, nullptr, &size);
    size_t take = std::max<size_t>(1, static_cast<size_t>(fit));
    if (take >= paragraph.size())
        return paragraph.size();
    // A Latin word stays whole: it goes to the next line after a space, or runs over the edge
    // where it stands alone.
    if (IsLatin(paragraph[take]) && IsLatin(paragraph[take - 1])) {
        const size_t space = paragraph.substr(0, take).find_last_of(L' ');
        if (space != std::wstring_view::npos && space > 0)
            return space + 1;
        while (take < paragraph.size() && IsLatin(paragraph[take]))
            ++take;
        return take;
    }
    while (take > 1 && ClosesWord(paragraph[take]))
        --take;
    return take;
}

}  // namespace

std::vector<TextLine> LayOutLines(HDC dc, const std::wstring& text, int width)
{
    std::vector<TextLine> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L'\n', start);
        std::wstring_view paragraph(text.data() + start, (end == std::wstring::npos ? text.size() : end) - start);
        if (!paragraph.empty() && paragraph.back() == L'\r')
            paragraph.remove_suffix(1);
        do {
            const size_t take = Fitting(dc, paragraph, width);
            std::wstring line(paragraph.substr(0, take));
            while (!line.empty() && line.back() == L' ' && take < paragraph.size())
                line.pop_back();  // the space where a Latin line broke
            lines.push_back({line, WidthOf(dc, line)});
            paragraph.remove_prefix(take);
        } while (!paragraph.empty());
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return lines;
}

int LineHeight(HDC dc)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace Platform
