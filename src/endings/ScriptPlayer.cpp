#include "endings/ScriptPlayer.h"

#include "scene/Scenes.h"

namespace Velmoor2 {

void PlayLinesWithClicks(const std::vector<SceneLine>& lines)
{
    for (const SceneLine& line : lines) {
        ShowScene(line.code, SpliceNames(line.text), line.speaker);
        WaitClick();
    }
}

}  // namespace Velmoor2
