#include "game/QuitDialog.h"

#include "core/GameState.h"
#include "game/VelMain.h"
#include "media/CV_Midi.h"
#include "persist/SaveForLater.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

namespace Velmoor2 {

bool AskToQuit()
{
    Platform::Window& mainScreen = TheMainScreen.Get().Form;  // the boxes open over it
    if (GamePhase == ClosingTimePhase || TargetGirl == 0) {
        Platform::ShowMessageBox("ここではゲームの中断はできません", Platform::MbOkExclamation, "Velmoor", &mainScreen);
        return true;
    }
    const std::string question = "Velmoor を終了します。" + CrLf + "次回、続きを遊ぶために、データをセーブしますか？"
        + CrLf + "（セーブしないと次回、続きができません）";
    switch (Platform::ShowMessageBox(question, Platform::MbYesNoCancelExclamation, "Velmoor Episode2", &mainScreen)) {
    case Platform::AnswerYes:
        // A save that failed has told the player why; the game stays open so nothing is lost.
        if (!SaveForLater())
            return true;
        CV_Midi::MidiClose();
        Platform::EndProgram();
    case Platform::AnswerNo: CV_Midi::MidiClose(); Platform::EndProgram();
    default: return true;
    }
}

}  // namespace Velmoor2
