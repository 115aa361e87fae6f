#include "core/HeroineNames.h"

#include "core/StoryScript.h"

namespace Velmoor2 {

namespace {

constexpr StoryKey NameOfHeroine{"story/heroines.txt", "names", "heroine {n}"};

}  // namespace

std::string HeroineName(int heroine) { return KeyedText(NameOfHeroine, heroine); }

}  // namespace Velmoor2
