#include "endings/Epilogue.h"

#include "core/GameState.h"
#include "core/Report.h"
#include "endings/EndingTexts.h"
#include "endings/ScriptPlayer.h"
#include "endings/VelEnding.h"
#include "media/CV_Midi.h"
#include "persist/ClearRecord.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "platform/Application.h"
#include "scene/Scenes.h"

namespace Velmoor2 {

void PlayEpilogue()
{
    // A finished game cannot be continued.
    if (const Outcome<> deleted = DeleteSaveFile(); !deleted)
        LogProblem(deleted.Failure());
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
    if (const Outcome<> kept = SaveGameSetting(ClearRecordKey, UpdatedClearRecord(record, EndingGirl, outcome)); !kept)
        ReportProblem(
            {"クリアの記録を保存できませんでした。" + CrLf + "設定ファイルに書き込めません。", kept.Failure().detail});
    Platform::EndProgram();
}

}  // namespace Velmoor2
