#pragma once
// The story text files built into the program (from content/story and
// content/talk), by path below content/.
#include <string_view>
#include <vector>

namespace Velmoor2 {

struct StoryFile {
    std::string_view name;  // for example "story/front/phonecalls.txt"
    std::string_view text;
};

const std::vector<StoryFile>& StoryFiles();

}  // namespace Velmoor2
