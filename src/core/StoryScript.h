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

// Where a text stands in the story files, named where the code looks it up: the file (its path
// below content/), the section and, for a keyed line, the key. "{n}" in any of them stands for
// the number the lookup is given (a heroine, an hour, a call). tests/core/StoryKeysTest.cpp
// finds every one in src/ and checks that content/ has it.
struct StoryKey {
    std::string_view file;
    std::string_view section;
    std::string_view key = "";
};

// The scene lines of a section. A missing file or section is logged and reads as no lines.
const std::vector<SceneLine>& ScriptSection(const StoryKey& section, int number = 0);
// The text of a keyed line ("key<TAB>text") of a section. A missing file, section or key is
// logged and reads as empty.
std::string KeyedText(const StoryKey& line, int number = 0);
// Whether the section is there; for texts that end where the sections do (the staff roll).
bool HasSection(const StoryKey& section, int number = 0);

// The lines of a story file, without their line ends.
std::vector<std::string_view> TextLines(std::string_view text);

// The player's names where the story marks them: {MYOUJI} family name, {NAMAE} given name.
std::string SpliceNames(std::string_view text);

}  // namespace Velmoor2
