#include "talk/VelSerif.h"

#include "core/GameState.h"
#include "scene/MainStage.h"
#include "talk/Conversation.h"

namespace Velmoor2 {

VelSerif::VelSerif()
{
    Form.SetBackColour(0x00F0E8E0);
    Label1.SetCaption("返事は…");
    for (int i = 0; i < ReplyCount; ++i) {
        Command1[i] = std::make_unique<Platform::CommandButton>(Form, 0, 240 + 360 * i, 7575, 375);
        Command1[i]->OnClick([this, i] { Command1_Click(i); });
    }
    // Closing the dialog leaves the conversation open: the clock ends it at the full five minutes.
    Form.OnCloseRequest([] {});
}

// Centred 50 twips below the main screen, where that stands now: the player may have moved it
// since it loaded.
void VelSerif::Form_Load()
{
    Platform::Window& mainScreen = TheMainStage().StageWindow();
    Form.SetOwner(mainScreen);
    SerifTop = static_cast<Integer>(mainScreen.Top() + mainScreen.Height() + 50);
    Form.MoveTo(mainScreen.Left() + (mainScreen.Width() - Form.Width()) / 2, SerifTop);
}

void VelSerif::Command1_Click(int index) { AnswerTalk(index + 1); }

void VelSerif::HideForUnload() { Form.Hide(); }

}  // namespace Velmoor2
