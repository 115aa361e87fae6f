#include "talk/Greetings.h"

#include "core/StoryFiles.h"
#include "core/StoryScript.h"

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

}  // namespace Velmoor2
