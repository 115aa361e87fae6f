#include "core/StoryScript.h"

#include "core/GameState.h"
#include "core/Report.h"
#include "core/StoryFiles.h"

#include <map>

namespace Velmoor2 {
namespace {

std::vector<std::string> SplitTabs(std::string_view line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

}  // namespace

ScriptSections ParseStoryScript(std::string_view text)
{
    ScriptSections sections;
    ScriptSectionLines* current = nullptr;
    for (std::string_view line : TextLines(text)) {
        if (line.empty() || line.front() == '#')
            continue;
        if (line.starts_with("== ") && line.ends_with(" ==") && line.size() > 6) {
            current = &sections[std::string(line.substr(3, line.size() - 6))];
            continue;
        }
        if (!current)
            continue;
        std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() == 3)
            current->scenes.push_back({fields[0], fields[1], fields[2]});
        else if (fields.size() == 2)
            current->keyed.emplace(fields[0], fields[1]);
    }
    return sections;
}

namespace {

const ScriptSections* FileSections(std::string_view file)
{
    static const std::map<std::string, ScriptSections, std::less<>> parsed = [] {
        std::map<std::string, ScriptSections, std::less<>> all;
        for (const StoryFile& story : StoryFiles())
            all.emplace(std::string(story.name), ParseStoryScript(story.text));
        return all;
    }();
    auto found = parsed.find(file);
    return found == parsed.end() ? nullptr : &found->second;
}

const ScriptSectionLines* FindSection(std::string_view file, std::string_view section)
{
    const ScriptSections* sections = FileSections(file);
    if (!sections)
        return nullptr;
    auto found = sections->find(section);
    return found == sections->end() ? nullptr : &found->second;
}

void ReplaceAll(std::string& text, std::string_view marker, const std::string& value)
{
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
}

// A key with its "{n}" filled in.
struct FilledKey {
    std::string file;
    std::string section;
    std::string key;
};

FilledKey Filled(const StoryKey& key, int number)
{
    FilledKey filled{std::string(key.file), std::string(key.section), std::string(key.key)};
    for (std::string* part : {&filled.file, &filled.section, &filled.key})
        ReplaceAll(*part, "{n}", std::to_string(number));
    return filled;
}

// The texts are part of the program: a miss is a fault of the program, told in the log.
void LogMissing(const FilledKey& key)
{
    LogProblem({"",
                "the story text " + key.file + " has no " + (key.key.empty() ? "" : "key \"" + key.key + "\" in ")
                    + "section \"" + key.section + "\""});
}

}  // namespace

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

const std::vector<SceneLine>& ScriptSection(const StoryKey& section, int number)
{
    static const std::vector<SceneLine> none;
    const FilledKey key = Filled(section, number);
    if (const ScriptSectionLines* found = FindSection(key.file, key.section))
        return found->scenes;
    LogMissing(key);
    return none;
}

std::string KeyedText(const StoryKey& line, int number)
{
    const FilledKey key = Filled(line, number);
    if (const ScriptSectionLines* found = FindSection(key.file, key.section))
        if (const auto text = found->keyed.find(key.key); text != found->keyed.end())
            return text->second;
    LogMissing(key);
    return "";
}

bool HasSection(const StoryKey& section, int number)
{
    const FilledKey key = Filled(section, number);
    return FindSection(key.file, key.section) != nullptr;
}

std::string SpliceNames(std::string_view text)
{
    std::string result(text);
    ReplaceAll(result, "{MYOUJI}", PlayerMyouji);
    ReplaceAll(result, "{NAMAE}", PlayerNamae);
    return result;
}

}  // namespace Velmoor2
