#include "game/Movement.h"

#include "core/GameState.h"
#include "scene/MainStage.h"
#include "scene/PlaceButtons.h"
#include "scene/Places.h"
#include "scene/Scenes.h"

namespace Velmoor2 {

std::string WalkStartText(std::string_view buttonCaption, int walkMinutes, int arrivalMinute)
{
    std::string text(buttonCaption);
    if (arrivalMinute < 28)
        return text + "に向かって歩きだした。あそこまでは" + std::to_string(walkMinutes) + "分くらいかかる。";
    return text + "に向かって歩きだしたけど、はたして閉門時刻に間に合うだろうか。";
}

void StartWalk(int destination, std::string_view buttonCaption)
{
    if (GamePhase == ClosingTimePhase)
        return;  // the gate has closed: nobody walks off in the middle of an ending
    Destination = static_cast<Integer>(destination);
    GamePhase = Walking;
    UpdatePlaceButtons();
    const int minutes = WalkingMinutes(CurrentPlace, Destination);
    ArrivalMinute = static_cast<Integer>(GameMinute + minutes);
    TheMainStage().SetTitle("【移動中】 -Velmoor Episode2-");
    ShowScene("C200B", WalkStartText(buttonCaption, minutes, ArrivalMinute), "");
}

}  // namespace Velmoor2
