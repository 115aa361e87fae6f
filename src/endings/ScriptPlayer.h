#pragma once
// Plays story lines on the main screen, each followed by the player's click.
#include "core/StoryScript.h"

#include <vector>

namespace Velmoor2 {

void PlayLinesWithClicks(const std::vector<SceneLine>& lines);

}  // namespace Velmoor2
