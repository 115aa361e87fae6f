#include "platform/SettingsFile.h"

#include <algorithm>

// The settings file's text form, the same on every system.
namespace Platform {
namespace {

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

SettingsSection* SectionNamed(SettingsDocument& document, std::string_view name)
{
    const auto found = std::find_if(document.begin(), document.end(),
                                    [&](const SettingsSection& s) { return SameNameIgnoringCase(s.name, name); });
    return found == document.end() ? nullptr : &*found;
}

bool HasKey(const SettingsSection& section, std::string_view key)
{
    return std::any_of(section.entries.begin(), section.entries.end(),
                       [&](const SettingsEntry& e) { return SameNameIgnoringCase(e.key, key); });
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

SettingsDocument ParseSettingsText(std::string_view text)
{
    SettingsDocument document;
    SettingsSection* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        const std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::string_view name =
                trimmed.back() == ']' ? TrimBlanks(trimmed.substr(1, trimmed.size() - 2)) : std::string_view{};
            current = nullptr;  // keys under a broken header belong nowhere
            if (!IsUsableSettingsName(name))
                continue;
            current = SectionNamed(document, name);
            if (!current)
                current = &document.emplace_back(SettingsSection{std::string(name), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        if (!IsUsableSettingsName(key) || HasKey(*current, key))
            continue;
        current->entries.push_back({std::string(key), UnescapeValue(line.substr(equals + 1))});
    }
    return document;
}

std::string FormatSettingsText(const SettingsDocument& document)
{
    std::string out;
    for (const SettingsSection& section : document) {
        if (section.entries.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += '[' + section.name + "]\n";
        for (const SettingsEntry& entry : section.entries)
            out += entry.key + '=' + EscapeValue(entry.value) + '\n';
    }
    return out;
}

}  // namespace Platform
