#pragma once
// The endings' words, read from the story texts built into the game (content/story/endings).
#include "core/StoryScript.h"

#include <optional>
#include <string>
#include <vector>

namespace Velmoor2 {

std::string GateNarration(int line);                        // 1: the gate has closed; 2: somebody calls from behind
const std::vector<SceneLine>& ConfessionOpening(int girl);  // the whole scene for heroines 7 and 8
const std::vector<SceneLine>& ConfessionBranch(int girl, bool mutualLove);
std::string EpilogueOpening();
const std::vector<SceneLine>& EpilogueLines(int girl);

struct StaffPage {
    std::string title;
    std::string names;  // lines joined by CR LF
    std::string pictureCode;
};
// The credit page that the staff roll turns to at this tick (tick 0: the caption the roll opens
// with), the farewell page showing the ending heroine's picture; none at the ticks in between.
std::optional<StaffPage> StaffPageAtTick(int tick, int endingGirl);

}  // namespace Velmoor2
