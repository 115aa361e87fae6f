#include "core/GameState.h"

#include "media/CV_Midi.h"

namespace Velmoor2 {

void ResetGameState()
{
    ClickFlag = False;
    GameMinute = 0;
    Love = {};
    MetFlag = {};
    TargetGirl = 0;
    PlayerNamae.clear();
    PlayerMyouji.clear();
    ReplyCodes = {};
    TalkKey.clear();
    ArrivalMinute = 0;
    Destination = 0;
    CallCount = 0;
    EndingGirl = 0;
    SceneMidi.clear();
    SerifTop = 0;
    GamePhase = NoGameYet;
    CurrentPlace = 0;
    CV_Midi::LoopMidi.clear();
    CV_Midi::MidiOff = false;
}

std::string ClockText(int gameMinute)
{
    if (gameMinute >= 30)
        return "5:00 PM";
    return "4:" + std::to_string(gameMinute + 30) + " PM";
}

}  // namespace Velmoor2
