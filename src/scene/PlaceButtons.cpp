#include "scene/PlaceButtons.h"

#include "core/GameState.h"
#include "scene/MainStage.h"
#include "scene/PlaceButtonRule.h"

namespace Velmoor2 {

void UpdatePlaceButtons()
{
    if (const auto states = PlaceButtonStates(GamePhase, CurrentPlace))
        TheMainStage().EnablePlaces(*states);
}

}  // namespace Velmoor2
