#pragma once
// The text of a settings file, which players edit by hand: sections ("[Name]") of key=value
// lines. Changing a value touches only that value's line, so everything the game does not own
// (comments, lines it does not understand, keys and sections of others, a byte order mark, the
// line ends) stays byte for byte. Section and key names match without regard to ASCII case; a
// section that occurs twice is read as one, and of a key that occurs twice in it the first
// counts. Lines starting with ';' or '#' are comments; keys under a broken header belong nowhere.
// Values are kept byte for byte: a backslash, line break, carriage return or NUL inside a value
// is written as \\, \n, \r or \0.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

// Names usable for a section or key: not empty, no control characters, no '=', '[' or ']', no
// blank at either end.
bool IsUsableSettingsName(std::string_view name);
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

class SettingsText {
public:
    explicit SettingsText(std::string_view text);

    // The value, or none when the section or key is absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the value in its line, or adds the key at the end of the section's keys, or the
    // section at the end of the text. Both names must be usable.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the section's headers and key lines; comments and other lines stay. False when
    // there was no such section.
    bool RemoveSection(std::string_view section);

    std::string Text() const;

private:
    // Where a key's line is: the line, and where its value starts.
    struct KeyLine {
        size_t line;
        size_t valueStart;
    };
    std::optional<KeyLine> FindKey(std::string_view section, std::string_view key) const;
    std::string LineEnd() const;
    void EndLine(size_t line);

    std::string byteOrderMark_;
    std::vector<std::string> lines_;  // each with its own line end; the last may have none
};

}  // namespace Platform
