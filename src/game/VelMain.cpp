#include "game/VelMain.h"

#include "core/CenterForm.h"
#include "endings/ClosingTime.h"
#include "game/Movement.h"
#include "game/QuitDialog.h"
#include "media/CV_Midi.h"
#include "platform/Input.h"
#include "scene/PlaceButtons.h"
#include "scene/Places.h"
#include "scene/SceneTexts.h"
#include "scene/Scenes.h"
#include "talk/EncounterTable.h"
#include "talk/Encounters.h"
#include "talk/PhoneCall.h"
#include "talk/VelSerif.h"

#include <cmath>

namespace Velmoor2 {

VelMain::VelMain()
{
    lblClock.SetCaption("4:30 PM");
    lblClock.SetAlignment(Platform::Alignment::Centre);
    lblClock.SetBackColour(0x0080C0FF);
    lblClock.SetForeColour(0x00FF0000);
    for (int i = 0; i < PlaceCount; ++i) {
        Command1[i] = std::make_unique<Platform::CommandButton>(Form, 4920, 480 + 360 * i, 735, 255);
        Command1[i]->SetCaption(std::string(PlaceCaption(i + 1)));
        Command1[i]->SetEnabled(false);
        Command1[i]->OnClick([this, i] { Command1_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        Image2[i] = std::make_unique<Platform::Image>(Form, 5040, 2880, 480, 480);
        Image2[i]->SetResourcePicture(i == 0 ? "foot1" : "foot2");
        Image2[i]->SetVisible(false);
    }
    Label1.SetFont("ＭＳ Ｐゴシック", 9.75);
    Label3.SetAlignment(Platform::Alignment::Right);
    Label3.SetForeColour(0x000000FF);

    Form.OnKeyPress([this](int character) { Form_KeyPress(character); });
    Form.OnCloseRequest([] {
        if (!TheMainScreen.Get().Form_QueryUnload())
            TheMainScreen.Unload();
    });
    Image1.OnClick([this] { Image1_Click(); });
    Label1.OnClick([this] { Label1_Click(); });
    Label3.OnClick([this] { Label3_Click(); });
    KaKushiDummy.OnMouseDown([this](int button, int shift, int, int) { KaKushiDummy_MouseDown(button, shift); });
    Timer1.OnTick([this] { Timer1_Timer(); });
    Timer2.OnTick([this] { Timer2_Timer(); });
    Timer3.OnTick([this] { Timer3_Timer(); });
}

void VelMain::Form_Load()
{
    CenterForm(Form);
    Form.MoveTo(Form.Left(), Form.Top() - 1200);
    SerifTop = static_cast<Integer>(std::nearbyint(Form.Top() + Form.Height() + 50.0));
}

void VelMain::HideForUnload()
{
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Timer3.SetEnabled(false);
    Form.Hide();
}

void VelMain::Command1_Click(int index) { StartWalk(index + 1, Command1[index]->Caption()); }

void VelMain::Form_KeyPress(int) { ClickFlag = True; }
void VelMain::Image1_Click() { ClickFlag = True; }
void VelMain::Label1_Click() { ClickFlag = True; }
void VelMain::Label3_Click() { ClickFlag = True; }

void VelMain::KaKushiDummy_MouseDown(int button, int shift)
{
    // The developers' fast clock: right button with exactly Shift and Ctrl.
    if (button == Platform::RightButton && shift == (Platform::ShiftKey | Platform::CtrlKey))
        Timer1_Timer();
}

void VelMain::Timer1_Timer()
{
    // The hidden hot spot still takes clicks during the ending; the clock has stopped for good.
    if (GamePhase == ClosingTimePhase)
        return;
    GameMinute = static_cast<Integer>(GameMinute + 1);
    lblClock.SetCaption(ClockText(GameMinute));
    if (GameMinute >= 30) {
        if (GamePhase != OnThePhone)
            ClosingTime();
        return;
    }
    if (GameMinute % 5 == 1 && GamePhase == FreeAtPlace)
        MeetWhileWaiting();
    EndConversationsAtFullFiveMinutes();
    if (GamePhase == Walking)
        AdvanceWalk();
}

void VelMain::EndConversationsAtFullFiveMinutes()
{
    if (TalkKey.empty() || GameMinute % 5 != 0)
        return;
    const std::string emptyPlace = EmptyPlaceCode(CurrentPlace);
    if (GamePhase == Conversation) {
        ShowScene(emptyPlace, IgnoredHeroineLeaves, "");
        const int girl = TalkKey[1] - '0';
        Love[girl] = static_cast<Integer>(Love[girl] - 3);
        TalkKey.clear();
        TheReplyDialog.Unload();
        GamePhase = FreeAtPlace;
        UpdatePlaceButtons();
    } else if (GamePhase == FreeAtPlace) {
        ShowScene(emptyPlace, HeroineLeavesOnErrand, "");
        TalkKey.clear();
    }
}

void VelMain::AdvanceWalk()
{
    if (GameMinute < ArrivalMinute) {
        if (ArrivalMinute - GameMinute == 2)
            PhoneCall();
        return;
    }
    CurrentPlace = Destination;
    Form.SetCaption(std::string(PlaceHeader(CurrentPlace)) + " -Velmoor Episode2-");
    if (ArrivalWindow(GameMinute) != 0)
        MeetOnArrival();
    else
        NobodyHere();
}

void VelMain::Timer2_Timer() { CV_Midi::MidiWatchdog(); }

void VelMain::Timer3_Timer()
{
    if (GamePhase != Walking) {
        Image2[0]->SetVisible(false);
        Image2[1]->SetVisible(false);
        return;
    }
    walkFrame_ = !walkFrame_;
    Image2[0]->SetVisible(walkFrame_);
    Image2[1]->SetVisible(!walkFrame_);
}

void VelMain::Show() { Form.Show(); }
void VelMain::SetTitle(const std::string& caption) { Form.SetCaption(caption); }
void VelMain::SetSpeaker(const std::string& name) { Label2.SetCaption(name); }
void VelMain::SetText(const std::string& text) { Label1.SetCaption(text); }
void VelMain::SetClickPrompt(const std::string& prompt) { Label3.SetCaption(prompt); }
void VelMain::SetClock(const std::string& text) { lblClock.SetCaption(text); }

void VelMain::ShowPicture(const std::string& file) { ShowPictureFile(Image1, file); }

void VelMain::StopClock()
{
    Timer1.SetInterval(0);
    Timer1.SetEnabled(false);
}

void VelMain::EnablePlaces(const std::array<bool, 7>& enabled)
{
    for (int i = 0; i < PlaceCount; ++i)
        Command1[i]->SetEnabled(enabled[i]);
}

bool VelMain::Form_QueryUnload() { return AskToQuit(); }

void LendMainScreen()
{
    LendMainStage({[]() -> MainStage& { return TheMainScreen.Get(); }, [] { return TheMainScreen.IsLoaded(); },
                   [] { TheMainScreen.Unload(); }});
}

}  // namespace Velmoor2
