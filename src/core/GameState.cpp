#include "core/GameState.h"

namespace Velmoor2 {

std::string ClockText(int gameMinute)
{
    if (gameMinute >= 30)
        return "5:00 PM";
    return "4:" + std::to_string(gameMinute + 30) + " PM";
}

}  // namespace Velmoor2
