#include "talk/Greetings.h"

#include "game/StoryFiles.h"
#include "game/StoryScript.h"

#include <array>

namespace Velmoor2 {

std::string GreetingText(std::string_view id)
{
    const std::string file = "talk/heroine" + std::string(id.substr(1, 1)) + ".txt";
    const std::string prefix = "greeting " + std::string(id) + " ";
    for (const StoryFile& story : StoryFiles()) {
        if (story.name != file)
            continue;
        for (std::string_view line : TextLines(story.text))
            if (line.starts_with(prefix))
                return SpliceNames(line.substr(prefix.size()));
    }
    return "";
}

std::string HeroineName(int heroine)
{
    static constexpr std::array<const char*, 8> Names{
        "呉羽　千鶴", "鴨居　ひなた", "椎名　ことり", "峠　美雪", "時任　玲奈", "飛鳥井　澪", "松浦　すず", "是永　かなえ",
    };
    return heroine >= 1 && heroine <= 8 ? Names[heroine - 1] : "";
}

}  // namespace Velmoor2
