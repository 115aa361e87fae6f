#include "scene/Scenes.h"

#include "core/GameState.h"
#include "core/Report.h"
#include "media/CV_Midi.h"
#include "platform/Application.h"
#include "platform/DataFiles.h"
#include "scene/MainStage.h"
#include "scene/PlaceButtons.h"
#include "scene/SceneTexts.h"

namespace Velmoor2 {

std::string EmptyPlaceCode(int place) { return "C2" + std::to_string(place) + "0C"; }

std::string SceneMusicFor(std::string_view code)
{
    if (code.size() < 4)
        return "";
    const char heroine = code[3];
    if (heroine == '0')
        return "M294C.mid";
    if (heroine >= '1' && heroine <= '6')
        return std::string("M2") + heroine + "0C.mid";
    return "";
}

std::string PictureFileFor(std::string_view code)
{
    if (std::optional<std::string> vel = Platform::FindDataFile(std::string(code) + ".VEL"))
        return *vel;
    const std::string bmp = std::string(code) + ".BMP";
    return Platform::FindDataFile(bmp).value_or(bmp);
}

void ShowPictureFile(Platform::Image& box, const std::string& file)
{
    if (box.LoadPicture(file))
        return;
    LogProblem({"", "the picture " + file + " could not be read"});
    box.ClearPicture();
}

void ShowScene(std::string_view code, std::string_view text, std::string_view speaker)
{
    MainStage& stage = TheMainStage();
    stage.SetSpeaker(std::string(speaker));
    stage.SetText(std::string(text));
    if (code.empty())
        return;
    stage.ShowPicture(PictureFileFor(code));
    if (GamePhase == ClosingTimePhase) {
        stage.SetTitle("-Velmoor Episode2-");
        return;
    }
    const std::string previous = SceneMidi;
    SceneMidi = SceneMusicFor(code);
    if (SceneMidi != previous) {
        CV_Midi::MidiPlay(SceneMidi);
        CV_Midi::LoopMidi = SceneMidi;
    }
}

void WaitClick()
{
    TheMainStage().SetClickPrompt(std::string(ClickPrompt));
    ClickFlag = False;
    while (ClickFlag == False)
        Platform::WaitForEvents();
    // The main screen may have been closed by a nested handler; it is then not re-created.
    if (MainStageIsOpen())
        TheMainStage().SetClickPrompt("");
}

void NobodyHere()
{
    ShowScene(EmptyPlaceCode(CurrentPlace), EmptyPlaceNarration, "");
    TalkKey.clear();
    GamePhase = FreeAtPlace;
    UpdatePlaceButtons();
}

}  // namespace Velmoor2
