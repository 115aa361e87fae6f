#include "talk/Encounters.h"

#include "core/GameState.h"
#include "core/HeroineNames.h"
#include "scene/Scenes.h"
#include "talk/Conversation.h"
#include "talk/EncounterTable.h"
#include "talk/Greetings.h"

namespace Velmoor2 {
namespace {

void Greet(const Encounter& encounter, const std::string& id)
{
    ShowScene(encounter.pictureCode, GreetingText(id), HeroineName(encounter.heroine));
    MetFlag[encounter.heroine] = 1;
    StartTalk(id);
}

}  // namespace

void MeetOnArrival()
{
    const int window = ArrivalWindow(GameMinute);
    if (window == 0)
        return;
    const auto encounter = EncounterAt(window, CurrentPlace);
    if (!encounter || MetFlag[encounter->heroine] != 0) {
        NobodyHere();
        return;
    }
    Greet(*encounter, encounter->idA);
}

void MeetWhileWaiting()
{
    const int window = ComingByWindow(GameMinute);
    if (window == 0)
        return;
    const auto encounter = EncounterAt(window, CurrentPlace);
    if (!encounter || MetFlag[encounter->heroine] != 0)
        return;
    Greet(*encounter, encounter->idB);
}

}  // namespace Velmoor2
