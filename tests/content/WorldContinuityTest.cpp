// Every text tells the one afternoon that content/world.md describes: written for 1999, with
// the names of its people and only the rooms it lists, the rooftop and the art room speaking
// of themselves alone. The world file is read here, so the texts answer to it and not to a
// copy of it.
#include "core/HeroineNames.h"
#include "core/StoryFiles.h"
#include "core/StoryScript.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace Velmoor2;

namespace {

constexpr std::string_view IdeographicSpace = "\u3000";

// The lines of the world file's section `heading` (a line starting "## " + heading).
std::vector<std::string> WorldSection(std::string_view heading)
{
    std::ifstream in(std::string(VEL_CONTENT_DIR) + "/world.md");
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## "))
            inside = line.substr(3).starts_with(heading);
        else if (inside)
            lines.push_back(line);
    }
    return lines;
}

// The first `quoted` word of each list item "- `word` — why" of a world section.
std::vector<std::string> ListedWords(std::string_view heading)
{
    std::vector<std::string> words;
    for (const std::string& line : WorldSection(heading)) {
        const size_t open = line.find('`');
        const size_t close = line.find('`', open + 1);
        if (line.starts_with("- `") && close != std::string::npos)
            words.push_back(line.substr(open + 1, close - open - 1));
    }
    return words;
}

std::set<std::string> Rooms()
{
    std::set<std::string> rooms;
    for (const std::string& line : WorldSection("Rooms the texts may name"))
        if (line.starts_with("- "))
            rooms.insert(line.substr(2));
    return rooms;
}

// The people's full names from the "Who is who" table, in its order.
std::vector<std::string> People()
{
    std::vector<std::string> names;
    for (const std::string& line : WorldSection("Who is who")) {
        std::vector<std::string> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(cell.size() > 1 ? cell.substr(1, cell.size() - 2) : cell);
        if (cells.size() > 2 && cells[2].find(IdeographicSpace) != std::string::npos)
            names.push_back(cells[2]);
    }
    return names;
}

// One line a reader sees, with where it comes from for the failure message.
struct ShownText {
    std::string where;
    std::string text;
    char place = 0;  // '1' or '2' for a text said at the rooftop or the art room, else 0
};

// The texts of every story and conversation file, comments left out. A conversation's
// greeting and responses belong to the place of its id; a reply caption to the place of
// every conversation that offers it.
std::vector<ShownText> ShownTexts()
{
    std::vector<ShownText> shown;
    for (const StoryFile& file : StoryFiles()) {
        std::map<std::string, std::set<char>> replyPlaces;
        std::map<std::string, std::string> replyCaptions;
        for (std::string_view line : TextLines(file.text)) {
            if (line.empty() || line.starts_with('#'))
                continue;
            const std::string where = std::string(file.name) + ": " + std::string(line.substr(0, 24));
            if (!file.name.starts_with("talk/")) {
                shown.push_back({where, std::string(line)});
                continue;
            }
            std::istringstream words{std::string(line)};
            std::string kind, key;
            words >> kind >> key;
            std::string rest;
            std::getline(words, rest);
            if (kind == "reply") {
                replyCaptions[key] = rest;
            } else if (kind == "talk") {
                std::istringstream codes(rest);
                for (std::string code; codes >> code;)
                    replyPlaces[code].insert(key[0]);
            } else {
                const char place = key[0] == '1' || key[0] == '2' ? key[0] : 0;
                shown.push_back({where, rest, place});
            }
        }
        for (const auto& [code, caption] : replyCaptions) {
            const std::string where = std::string(file.name) + ": reply " + code;
            bool atRooftopOrArtRoom = false;
            for (char place : replyPlaces[code]) {
                if (place == '1' || place == '2') {
                    shown.push_back({where, caption, place});
                    atRooftopOrArtRoom = true;
                }
            }
            if (!atRooftopOrArtRoom)
                shown.push_back({where, caption});
        }
    }
    return shown;
}

}  // namespace

TEST(WorldContinuity, NoTextHasAWordThatTheDayCannotHave)
{
    const std::vector<std::string> never = ListedWords("Words the texts never use");
    const std::vector<std::string> notThisAfternoon = ListedWords("Words the afternoon never uses");
    ASSERT_GE(never.size(), 10u);
    ASSERT_FALSE(notThisAfternoon.empty());
    for (const ShownText& shown : ShownTexts()) {
        for (const std::string& word : never)
            EXPECT_EQ(shown.text.find(word), std::string::npos) << word << " in " << shown.where;
        if (shown.where.starts_with("story/endings/epilogues.txt"))
            continue;
        for (const std::string& word : notThisAfternoon)
            EXPECT_EQ(shown.text.find(word), std::string::npos) << word << " in " << shown.where;
    }
}

// Every room a text names (a word ending in 室, or the corridor) is one the world has, and
// the rooftop and the art room speak of no room but their own.
TEST(WorldContinuity, TextsNameOnlyTheRoomsOfTheWorldAndOfTheirPlace)
{
    const std::set<std::string> rooms = Rooms();
    ASSERT_TRUE(rooms.contains("屋上") && rooms.contains("美術室"));
    const std::map<char, std::string> ownRoom{{'1', "屋上"}, {'2', "美術室"}};
    const std::string roomEnd = "室";
    for (const ShownText& shown : ShownTexts()) {
        for (size_t at = shown.text.find(roomEnd); at != std::string::npos; at = shown.text.find(roomEnd, at + 1)) {
            bool listed = false;
            for (const std::string& room : rooms)
                listed = listed
                    || (room.ends_with(roomEnd) && at + roomEnd.size() >= room.size()
                        && shown.text.compare(at + roomEnd.size() - room.size(), room.size(), room) == 0);
            EXPECT_TRUE(listed) << "a room the world does not have in " << shown.where;
        }
        if (shown.place == 0)
            continue;
        for (const std::string& room : rooms) {
            if (room == ownRoom.at(shown.place))
                continue;
            EXPECT_EQ(shown.text.find(room), std::string::npos)
                << room << " said at place " << shown.place << " in " << shown.where;
        }
    }
}

// The speaker names, the names the game gives its heroines and every full name written out
// are the world's.
TEST(WorldContinuity, PeopleAreCalledByTheirWorldNames)
{
    const std::vector<std::string> people = People();
    ASSERT_EQ(people.size(), 9u);
    for (int heroine = 1; heroine <= 8; ++heroine)
        EXPECT_EQ(HeroineName(heroine), people[heroine - 1]);
    const std::set<std::string> speakers(people.begin(), people.end());
    for (const StoryFile& file : StoryFiles()) {
        if (file.name.starts_with("talk/") || file.name.find("staffroll") != std::string_view::npos)
            continue;
        for (std::string_view line : TextLines(file.text)) {
            const size_t first = line.find('\t');
            const size_t second = line.find('\t', first + 1);
            if (line.starts_with('#') || second == std::string_view::npos || second == first + 1)
                continue;
            EXPECT_TRUE(speakers.contains(std::string(line.substr(first + 1, second - first - 1))))
                << file.name << ": " << line.substr(0, 40);
        }
    }
    for (const ShownText& shown : ShownTexts()) {
        for (const std::string& name : people) {
            const std::string family = name.substr(0, name.find(IdeographicSpace));
            const std::string given = name.substr(family.size() + IdeographicSpace.size());
            for (std::string_view space : {std::string_view(" "), IdeographicSpace}) {
                const std::string written = family + std::string(space);
                const size_t at = shown.text.find(written);
                if (at == std::string::npos)
                    continue;
                EXPECT_EQ(shown.text.compare(at + written.size(), given.size(), given), 0)
                    << name << " misspelt in " << shown.where;
            }
        }
    }
}
