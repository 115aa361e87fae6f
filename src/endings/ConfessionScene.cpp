#include "endings/ConfessionScene.h"

#include "endings/EndingTexts.h"
#include "endings/ScriptPlayer.h"
#include "core/GameState.h"

namespace Velmoor2 {

void PlayConfession(int girl)
{
    PlayLinesWithClicks(ConfessionOpening(girl));
    if (IsClassmate(girl))
        PlayLinesWithClicks(ConfessionBranch(girl, TargetGirl == girl));
}

}  // namespace Velmoor2
