#include "endings/ConfessionScene.h"

#include "core/GameState.h"
#include "endings/EndingTexts.h"
#include "endings/ScriptPlayer.h"

namespace Velmoor2 {

void PlayConfession(int girl)
{
    PlayLinesWithClicks(ConfessionOpening(girl));
    if (IsClassmate(girl))
        PlayLinesWithClicks(ConfessionBranch(girl, TargetGirl == girl));
}

}  // namespace Velmoor2
