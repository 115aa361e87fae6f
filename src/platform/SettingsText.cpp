#include "platform/SettingsText.h"

#include <algorithm>

namespace Platform {
namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string EscapeValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\0': out += "\\0"; break;
        default: out += c;
        }
    }
    return out;
}

// An unknown escape or a lone backslash at the end is kept as it stands.
std::string UnescapeValue(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[i + 1]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '0': out += '\0'; break;
        default: out += text[i]; continue;
        }
        ++i;
    }
    return out;
}

// A line without its line end.
std::string_view ContentOf(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// What a line is to the reader: a section header (with its name, empty when broken), a key line
// (with its key and where its value starts), or anything else.
struct LineMeaning {
    enum Kind { Header, Key, Other } kind = Other;
    std::string_view name;
    size_t valueStart = 0;
};

LineMeaning MeaningOf(std::string_view line)
{
    const std::string_view content = ContentOf(line);
    const std::string_view trimmed = TrimBlanks(content);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const bool closed = trimmed.size() >= 2 && trimmed.back() == ']';
        const std::string_view name = closed ? TrimBlanks(trimmed.substr(1, trimmed.size() - 2)) : std::string_view{};
        return {LineMeaning::Header, IsUsableSettingsName(name) ? name : std::string_view{}};
    }
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return {};
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view key = TrimBlanks(content.substr(0, equals));
    if (!IsUsableSettingsName(key))
        return {};
    return {LineMeaning::Key, key, equals + 1};
}

bool IsHeaderOf(const LineMeaning& meaning, std::string_view section)
{
    return meaning.kind == LineMeaning::Header && !meaning.name.empty() && SameNameIgnoringCase(meaning.name, section);
}

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsUsableSettingsName(std::string_view name)
{
    if (name.empty() || TrimBlanks(name).size() != name.size())
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20) || c == 0x7f || c == '=' || c == '[' || c == ']';
    });
}

SettingsText::SettingsText(std::string_view text)
{
    // Editors on Windows put a byte order mark before the first section.
    if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
        byteOrderMark_ = Utf8ByteOrderMark;
        text.remove_prefix(Utf8ByteOrderMark.size());
    }
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size() - 1);
        lines_.emplace_back(text.substr(0, end + 1));
        text.remove_prefix(end + 1);
    }
}

std::optional<SettingsText::KeyLine> SettingsText::FindKey(std::string_view section, std::string_view key) const
{
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning meaning = MeaningOf(lines_[i]);
        if (meaning.kind == LineMeaning::Header)
            inSection = IsHeaderOf(meaning, section);
        else if (inSection && meaning.kind == LineMeaning::Key && SameNameIgnoringCase(meaning.name, key))
            return KeyLine{i, meaning.valueStart};
    }
    return std::nullopt;
}

std::optional<std::string> SettingsText::Get(std::string_view section, std::string_view key) const
{
    const std::optional<KeyLine> found = FindKey(section, key);
    if (!found)
        return std::nullopt;
    return UnescapeValue(ContentOf(lines_[found->line]).substr(found->valueStart));
}

// New lines end as the file's own lines do.
std::string SettingsText::LineEnd() const
{
    for (const std::string& line : lines_)
        if (line.back() == '\n')
            return line.size() >= 2 && line[line.size() - 2] == '\r' ? "\r\n" : "\n";
    return "\n";
}

// A last line cut off after its carriage return gets only the line feed, so that it still reads
// as it did.
void SettingsText::EndLine(size_t line)
{
    std::string& text = lines_[line];
    if (text.back() == '\r')
        text += '\n';
    else if (text.back() != '\n')
        text += LineEnd();
}

void SettingsText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    if (const std::optional<KeyLine> found = FindKey(section, key)) {
        std::string& line = lines_[found->line];
        const std::string lineEnd = line.substr(ContentOf(line).size());
        line = line.substr(0, found->valueStart) + EscapeValue(value) + lineEnd;
        return;
    }
    const std::string newLine = std::string(key) + '=' + EscapeValue(value);
    // After the last key of the section's first appearance: comments below it may be the next
    // section's.
    std::optional<size_t> after;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning meaning = MeaningOf(lines_[i]);
        if (meaning.kind == LineMeaning::Header) {
            if (after)
                break;
            if (IsHeaderOf(meaning, section))
                after = i;
        } else if (after && meaning.kind == LineMeaning::Key) {
            after = i;
        }
    }
    if (after) {
        EndLine(*after);
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*after) + 1, newLine + LineEnd());
        return;
    }
    const std::string lineEnd = LineEnd();
    if (!lines_.empty()) {
        EndLine(lines_.size() - 1);
        if (!TrimBlanks(ContentOf(lines_.back())).empty())
            lines_.push_back(lineEnd);
    }
    lines_.push_back('[' + std::string(section) + ']' + lineEnd);
    lines_.push_back(newLine + lineEnd);
}

bool SettingsText::RemoveSection(std::string_view section)
{
    bool inSection = false, found = false;
    std::vector<std::string> kept;
    for (std::string& line : lines_) {
        const LineMeaning meaning = MeaningOf(line);
        if (meaning.kind == LineMeaning::Header) {
            inSection = IsHeaderOf(meaning, section);
            found = found || inSection;
        }
        if (!inSection || meaning.kind == LineMeaning::Other)
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
    return found;
}

std::string SettingsText::Text() const
{
    std::string text = byteOrderMark_;
    for (const std::string& line : lines_)
        text += line;
    return text;
}

}  // namespace Platform
