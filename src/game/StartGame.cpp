#include "game/StartGame.h"

#include "core/GameState.h"
#include "core/StoryScript.h"
#include "extras/VelAlbum.h"
#include "game/VelMain.h"
#include "scene/PlaceButtons.h"
#include "scene/Scenes.h"

namespace Velmoor2 {
namespace {

constexpr const char* NarrationFile = "story/front/narration.txt";
constexpr StoryKey NewGameNarration{NarrationFile, "new game"};
constexpr StoryKey ContinuedGameNarration{NarrationFile, "continued game"};

void TellOpening()
{
    const auto& lines = ScriptSection(NewGameNarration);
    // Every line but the last waits for the click; the album comes before the last.
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        ShowScene(lines[i].code, lines[i].text, lines[i].speaker);
        WaitClick();
    }
    TheClassAlbum.Get().Form.ShowModal();
    TheClassAlbum.Unload();
    if (!lines.empty())
        ShowScene(lines.back().code, lines.back().text, lines.back().speaker);
    CurrentPlace = 3;
    GameMinute = 1;
}

void ShowWhereWeStopped()
{
    const auto& lines = ScriptSection(ContinuedGameNarration);
    ShowScene(EmptyPlaceCode(CurrentPlace), lines.empty() ? "" : lines.front().text, "");
}

}  // namespace

void StartGame(bool resumed)
{
    if (resumed)
        ShowWhereWeStopped();
    else
        TellOpening();
    VelMain& playing = TheMainScreen.Get();
    playing.Timer1.SetEnabled(true);
    playing.Timer1.SetInterval(VelMain::MinuteMs);
    GamePhase = FreeAtPlace;
    playing.lblClock.SetCaption(ClockText(GameMinute));
    UpdatePlaceButtons();
}

}  // namespace Velmoor2
