#include "endings/VelEnding.h"

#include "core/CenterForm.h"
#include "endings/EndingTexts.h"
#include "media/CV_Midi.h"
#include "media/Songs.h"
#include "platform/Application.h"
#include "scene/MainStage.h"
#include "scene/Scenes.h"

#include <optional>

namespace Velmoor2 {

VelEnding::VelEnding()
{
    Form.SetBackColour(0x00000000);
    for (Platform::Label* label : {&Label1, &Label2}) {
        label->SetForeColour(0x00FFFFFF);
        label->SetFont("ＭＳ Ｐゴシック", 9.75);
    }
    Timer1.OnTick([this] { Timer1_Timer(); });
    Label2.OnDoubleClick([this] { Label2_DblClick(); });
    Form.OnCloseRequest([] {});  // no close box: the roll ends by itself
}

void VelEnding::Form_Load()
{
    CloseMainStage();
    CenterForm(Form);
    TickCount = 0;
    CV_Midi::MidiPlay(CV_Midi::StaffRollSong);
    if (const std::optional<StaffPage> caption = StaffPageAtTick(0, EndingGirl))
        Label2.SetCaption(caption->names);
}

void VelEnding::HideForUnload()
{
    Timer1.SetEnabled(false);
    Form.Hide();
}

void VelEnding::ShowPage(const std::string& title, const std::string& names, const std::string& pictureCode)
{
    Label1.SetCaption(title);
    Label2.SetCaption(names);
    // A credit picture that is missing leaves the page without a picture; the roll goes on.
    ShowPictureFile(Image1, pictureCode + ".VEL");
}

void VelEnding::Timer1_Timer()
{
    TickCount = static_cast<Integer>(TickCount + 1);
    if (TickCount == ClosingTick) {
        CV_Midi::MidiClose();
        TheStaffRoll.Unload();
        return;
    }
    if (const std::optional<StaffPage> page = StaffPageAtTick(TickCount, EndingGirl))
        ShowPage(page->title, page->names, page->pictureCode);
}

void VelEnding::Label2_DblClick()
{
    if (IsDataRoomReplay()) {
        CV_Midi::MidiClose();
        Platform::EndProgram();
    }
}

}  // namespace Velmoor2
