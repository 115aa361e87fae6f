#include "endings/Epilogue.h"

#include "core/GameState.h"
#include "endings/ClearRecord.h"
#include "endings/EndingTexts.h"
#include "endings/ScriptPlayer.h"
#include "endings/VelEnding.h"
#include "scene/Scenes.h"
#include "media/CV_Midi.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

namespace Velmoor2 {

void PlayEpilogue()
{
    // A finished game cannot be continued.
    DeleteSaveFile();
    ShowScene("C280D", EpilogueOpening(), "");
    WaitClick();
    PlayLinesWithClicks(EpilogueLines(EndingGirl));
    RecordClear();
}

void RecordClear()
{
    CV_Midi::MidiClose();
    const int outcome = EndingGirl == TargetGirl ? OutcomeMutualLove : OutcomeConfession;
    TheStaffRoll.Get().Form.ShowModal();
    TheStaffRoll.Unload();
    if (IsClassmate(EndingGirl) && Love[EndingGirl] == 100)
        Platform::EndProgram();  // a data-room replay records nothing
    const std::string record = GetGameSetting(ClearRecordKey);
    if (!SaveGameSetting(ClearRecordKey, UpdatedClearRecord(record, EndingGirl, outcome)))
        Platform::ShowMessageBox("クリアの記録を保存できませんでした。" + CrLf + "設定ファイルに書き込めません。",
                                 Platform::MbOkExclamation, "Velmoor Episode2");
    Platform::EndProgram();
}

}  // namespace Velmoor2
