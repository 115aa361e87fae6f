#include "scene/PlaceButtonRule.h"

#include "core/GameState.h"
#include "scene/Places.h"

namespace Velmoor2 {

std::optional<std::array<bool, 7>> PlaceButtonStates(int gamePhase, int currentPlace)
{
    std::array<bool, 7> enabled{};
    switch (gamePhase) {
    case Walking:
    case Conversation:
    case ClosingTimePhase: return enabled;
    case FreeAtPlace:
        for (int place = 1; place <= PlaceCount; ++place)
            enabled[place - 1] = AreNeighbours(currentPlace, place);
        return enabled;
    default: return std::nullopt;
    }
}

}  // namespace Velmoor2
