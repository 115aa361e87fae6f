#pragma once
// The story texts as scripts: files of sections ("== name =="), each a list of lines. A scene
// line is picture code, speaker and text separated by tabs; a keyed line is key and text.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace Velmoor2 {

struct SceneLine {
    std::string code;
    std::string speaker;
    std::string text;
};

// One section of a story file as read: its scene lines and its keyed lines (the first of a key counts).
struct ScriptSectionLines {
    std::vector<SceneLine> scenes;
    std::map<std::string, std::string, std::less<>> keyed;
};
using ScriptSections = std::map<std::string, ScriptSectionLines, std::less<>>;

// Reads a whole story file; a line that is neither a header, a scene line nor a keyed line is
// skipped, and a section that occurs twice is read as one.
ScriptSections ParseStoryScript(std::string_view text);

// The scene lines of a section; empty when the file or section does not exist.
const std::vector<SceneLine>& ScriptSection(std::string_view file, std::string_view section);
// The text of a keyed line ("key<TAB>text") of a section; empty when missing.
std::string KeyedText(std::string_view file, std::string_view section, std::string_view key);
bool HasSection(std::string_view file, std::string_view section);

// The lines of a story file, without their line ends.
std::vector<std::string_view> TextLines(std::string_view text);

// The player's names where the story marks them: {MYOUJI} family name, {NAMAE} given name.
std::string SpliceNames(std::string_view text);

}  // namespace Velmoor2
