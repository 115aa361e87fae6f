// Every story text the code looks up is there: the test reads the named keys (StoryKey) of every
// source file and finds each in the story files built into the game, so that a misspelled key or a
// text renamed in content/ fails here instead of leaving a blank line in the game. Every lookup
// must go through a named key. "{n}", a number given at run time, matches any number.
#include "core/StoryFiles.h"
#include "core/StoryScript.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace Velmoor2;

namespace {

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Whether the text is the pattern with each "{n}" standing for one or more digits.
bool Matches(std::string_view pattern, std::string_view text)
{
    const size_t number = pattern.find("{n}");
    if (number == std::string_view::npos)
        return pattern == text;
    if (!text.starts_with(pattern.substr(0, number)))
        return false;
    size_t digits = number;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    return digits > number && Matches(pattern.substr(number + 3), text.substr(digits));
}

bool InTheStory(const std::vector<std::string>& key)
{
    for (const StoryFile& story : StoryFiles())
        if (Matches(key[0], story.name))
            for (const auto& [section, lines] : ParseStoryScript(story.text))
                if (Matches(key[1], section)) {
                    if (key.size() == 2)
                        return true;
                    for (const auto& keyed : lines.keyed)
                        if (Matches(key[2], keyed.first))
                            return true;
                }
    return false;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \n");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \n") - first + 1);
}

// The identifier that starts at `at`.
std::string WordAt(const std::string& source, size_t at)
{
    size_t end = at;
    while (end < source.size() && IsWordCharacter(source[end]))
        ++end;
    return source.substr(at, end - at);
}

}  // namespace

TEST(StoryKeys, EveryTextTheCodeLooksUpIsInTheStory)
{
    int keys = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VEL_SOURCE_DIR "/src")) {
        if (entry.path().stem() == "StoryScript" || entry.is_directory())
            continue;
        std::stringstream read;
        read << std::ifstream(entry.path()).rdbuf();
        const std::string source = read.str(), file = entry.path().filename().string();
        std::map<std::string, std::string> constants;  // constexpr const char* Name = "text";
        const std::string constant = "constexpr const char* ";
        for (size_t at = source.find(constant); at != std::string::npos; at = source.find(constant, at + 1)) {
            const std::string name = WordAt(source, at + constant.size());
            const size_t open = source.find('"', at), close = source.find('"', open + 1);
            constants[name] = source.substr(open + 1, close - open - 1);
        }
        std::vector<std::string> names;  // StoryKey Name{file, "section", "key"}; with "{n}" inside
        for (size_t at = source.find("StoryKey "); at != std::string::npos; at = source.find("StoryKey ", at + 1)) {
            const std::string name = WordAt(source, at + 9);
            const size_t open = at + 9 + name.size();
            if (name.empty() || source[open] != '{')
                continue;
            std::vector<std::string> key;
            std::stringstream parts(source.substr(open + 1, source.find("};", open) - open - 1));
            for (std::string part; std::getline(parts, part, ',');) {
                part = Trimmed(part);
                const bool literal = part.size() >= 2 && part.front() == '"' && part.back() == '"';
                ASSERT_TRUE(literal || constants.contains(part)) << file << ": " << name << " names " << part;
                key.push_back(literal ? part.substr(1, part.size() - 2) : constants[part]);
            }
            EXPECT_TRUE(key.size() >= 2 && InTheStory(key)) << file << ": " << name << " is not in the story";
            names.push_back(name);
            ++keys;
        }
        for (const std::string lookup : {"ScriptSection(", "KeyedText(", "HasSection("}) {
            for (size_t at = source.find(lookup); at != std::string::npos; at = source.find(lookup, at + 1)) {
                if (at > 0 && IsWordCharacter(source[at - 1]))
                    continue;
                const size_t start = at + lookup.size();
                const std::string first = source.substr(start, source.find_first_of(",)", start) - start);
                bool named = false;
                for (const std::string& name : names)
                    for (size_t in = first.find(name); in != std::string::npos; in = first.find(name, in + 1))
                        named |= (in == 0 || !IsWordCharacter(first[in - 1]))
                            && (in + name.size() == first.size() || !IsWordCharacter(first[in + name.size()]));
                EXPECT_TRUE(named) << file << ": a lookup without a named key: " << lookup << first;
            }
        }
    }
    EXPECT_GE(keys, 25) << "too few keys found to have read the sources";
}
