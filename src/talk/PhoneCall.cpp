#include "talk/PhoneCall.h"

#include "core/GameState.h"
#include "core/StoryScript.h"
#include "scene/Scenes.h"

namespace Velmoor2 {
namespace {

constexpr const char* CallsFile = "story/front/phonecalls.txt";
constexpr StoryKey FirstCallTips{CallsFile, "call 1 tip"};
constexpr StoryKey Call{CallsFile, "call {n}"};
constexpr StoryKey CallAtClosingTime{CallsFile, "closing time"};

void Show(const SceneLine& line) { ShowScene(line.code, SpliceNames(line.text), line.speaker); }

// The tip of the first call names where the girl picked in the album can be found.
void ShowTip()
{
    const auto& tips = ScriptSection(FirstCallTips);
    if (IsClassmate(TargetGirl) && static_cast<size_t>(TargetGirl) <= tips.size())
        Show(tips[TargetGirl - 1]);
    WaitClick();
}

// Every line waits for the click but the last, which stays until the next scene.
void PlayCall(int call)
{
    const auto& lines = ScriptSection(Call, call);
    for (size_t i = 0; i < lines.size(); ++i) {
        Show(lines[i]);
        if (i + 1 < lines.size())
            WaitClick();
        if (call == 1 && i == 1)
            ShowTip();
    }
}

}  // namespace

void PhoneCall()
{
    GamePhase = OnThePhone;
    CallCount = static_cast<Integer>(CallCount + 1);
    if (CallCount == 1)
        PlayCall(1);
    else if (CallCount == 2)
        PlayCall(2);
    else if (CallCount == 4)
        PlayCall(3);
    if (GameMinute >= 30) {
        for (const SceneLine& line : ScriptSection(CallAtClosingTime))
            Show(line);
        WaitClick();
    }
    GamePhase = Walking;
}

}  // namespace Velmoor2
