#include "core/HeroineNames.h"

#include "core/StoryScript.h"

namespace Velmoor2 {

std::string HeroineName(int heroine)
{
    return KeyedText("story/heroines.txt", "names", "heroine " + std::to_string(heroine));
}

}  // namespace Velmoor2
