#include "endings/ClosingTime.h"

#include "core/GameState.h"
#include "endings/ClosingDecision.h"
#include "endings/ConfessionScene.h"
#include "endings/EndingTexts.h"
#include "endings/Epilogue.h"
#include "media/CV_Midi.h"
#include "media/Songs.h"
#include "scene/MainStage.h"
#include "scene/PlaceButtons.h"
#include "scene/Scenes.h"
#include "talk/VelSerif.h"

namespace Velmoor2 {
namespace {

void GateLine(std::string_view text, std::string_view speaker)
{
    ShowScene("C280C", text, speaker);
    WaitClick();
}

}  // namespace

void ClosingTime()
{
    MainStage& stage = TheMainStage();
    stage.StopClock();
    GamePhase = ClosingTimePhase;
    // A girl met in the last minutes may still wait for an answer: the gate has closed on her.
    TheReplyDialog.Unload();
    UpdatePlaceButtons();
    CV_Midi::LoopMidi = CV_Midi::ClosingTimeSong;
    CV_Midi::MidiPlay(CV_Midi::LoopMidi);
    stage.SetClock("");

    GateLine(GateNarration(1), "");
    const ClosingDecision decision = DecideEndingGirl();
    EndingGirl = decision.girl;
    GateLine(GateNarration(2), "");
    GateLine(decision.callText, "女の子の声");

    PlayConfession(EndingGirl);
    PlayEpilogue();
}

}  // namespace Velmoor2
