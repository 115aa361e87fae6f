#include "frontend/VelStart.h"

#include "core/CenterForm.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/Report.h"
#include "core/StoryScript.h"
#include "endings/ClosingTime.h"
#include "extras/VelDatarm.h"
#include "frontend/VelTitle.h"
#include "game/StartGame.h"
#include "media/CV_Midi.h"
#include "persist/GameSettings.h"
#include "persist/SaveFile.h"
#include "platform/Application.h"
#include "platform/LocalClock.h"
#include "platform/MessageBox.h"
#include "scene/MainStage.h"

#include <memory>

namespace Velmoor2 {
namespace {

constexpr const char* GuideFile = "story/front/guide.txt";
constexpr const char* LoopSong = "M291C.mid";

constexpr Platform::Colour Background = Platform::Rgb(232, 255, 204);
constexpr Platform::Colour BalloonColour = Platform::Rgb(255, 255, 192);
constexpr Platform::Colour Ink = Platform::Rgb(0, 0, 0);
constexpr Platform::Colour UnderPointer = Platform::Rgb(255, 255, 192);
constexpr std::array<Platform::Colour, VelStart::MenuItems> MenuColours{
    Platform::Rgb(255, 224, 192), Platform::Rgb(192, 255, 192), Platform::Rgb(255, 192, 255)};
constexpr std::array<const char*, VelStart::MenuItems> MenuCaptions{"新しくはじめる", "前回の続き", "データルーム"};

std::string Guide(const char* section, const std::string& key) { return KeyedText(GuideFile, section, key); }

}  // namespace

std::string GreetingForHour(int hour) { return Guide("greeting", "greeting hour " + std::to_string(hour)); }

NameEntryPanel::NameEntryPanel(Platform::Window& form)
    : Label2(form, Left + 120, Top + 120, 1695, 255),
      Text1(form, Left + 120, Top + 360, 2535, 375),
      Label3(form, Left + 120, Top + 960, 2055, 255),
      Text2(form, Left + 120, Top + 1200, 2535, 375),
      OKBUTTON(form, Left + 1680, Top + 1680, 975, 375)
{
    Label2.SetCaption("みょうじ");
    Label3.SetCaption("なまえ");
    for (Platform::TextBox* box : {&Text1, &Text2}) {
        box->SetToolTip(Guide("new game", "name box tooltip"));
        box->SetFont("ＭＳ Ｐゴシック", 12);
    }
    OKBUTTON.SetCaption("O K");
    OKBUTTON.SetToolTip(Guide("new game", "ok button tooltip"));
    SetVisible(false);
}

void NameEntryPanel::SetVisible(bool visible)
{
    for (Platform::Control* control :
         std::initializer_list<Platform::Control*>{&Label2, &Text1, &Label3, &Text2, &OKBUTTON})
        control->SetVisible(visible);
}

bool NameEntryPanel::IsVisible() const { return OKBUTTON.IsVisible(); }

VelStart::VelStart()
{
    Form.SetBackColour(Background);
    Image1.SetResourcePicture("guide");
    Image1.SetToolTip(Guide("portrait", "tooltip"));

    // The balloon with its tail pointing down-left at the guide; the tail's inner strokes in the
    // balloon colour paint over the balloon's outline where the tail joins it.
    Shape1.SetColour(Ink);
    Shape1.SetFillColour(BalloonColour);
    BalloonTail[0] =
        std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2175, 650, -375, 380, BalloonColour, 3);
    BalloonTail[1] =
        std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2175, 760, -300, 270, BalloonColour, 3);
    BalloonTail[2] = std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2175, 555, -450, 505, Ink);
    BalloonTail[3] = std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2175, 855, -450, 205, Ink);
    BalloonTail[4] =
        std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2160, 570, 0, 275, BalloonColour, 3);

    Serif.SetFont("ＭＳ Ｐゴシック", 10.5);
    for (int i = 0; i < MenuItems; ++i) {
        Label1[i] = std::make_unique<Platform::Label>(Form, 2640, 1200 + 720 * i, 3255, 495);
        Platform::Label& item = *Label1[i];
        item.SetCaption(MenuCaptions[i]);
        item.SetFont("ＭＳ Ｐゴシック", 20.25);
        item.SetAlignment(Platform::Alignment::Centre);
        item.SetBackColour(MenuColours[i]);
        item.OnMouseMove([this, i](int, int, int, int) { Label1_MouseMove(i); });
        item.OnClick([this, i] { Label1_Click(i); });
    }
    Picture1.OKBUTTON.OnClick([this] { OKBUTTON_Click(); });
    LOADOK.SetCaption("O K");
    LOADOK.SetVisible(false);
    LOADOK.OnClick([this] { LOADOK_Click(); });
    Label4.SetCaption(Guide("portrait", "caption"));
    Label4.SetFont("ＭＳ Ｐゴシック", 9);

    Form.OnMouseMove([this] { Form_MouseMove(); });
    Timer1.OnTick([this] { Timer1_Timer(); });
    // No other screen is loaded: closing this one ends the program.
    Form.OnCloseRequest([] {
        CV_Midi::MidiClose();
        Platform::EndProgram();
    });
}

void VelStart::Form_Load()
{
    Platform::PumpEvents();
    if (TheTitleScreen.IsLoaded())
        TheTitleScreen.Get().Form.Hide();
    CV_Midi::LoopMidi = LoopSong;
    CV_Midi::MidiClose();
    CenterForm(Form);
    Section1();
}

void VelStart::HideForUnload()
{
    CV_Midi::MidiClose();
    Timer1.SetEnabled(false);
    Form.Hide();
}

void VelStart::Section1()
{
    Serif.SetCaption(GreetingForHour(Platform::LocalHour()) + CrLf + Guide("greeting", "greeting follow-up"));
}

void VelStart::Form_MouseMove()
{
    if (MenuAtRest)
        return;
    for (int i = 0; i < MenuItems; ++i)
        Label1[i]->SetBackColour(MenuColours[i]);
    MenuAtRest = true;
}

void VelStart::Label1_MouseMove(int index)
{
    for (int i = 0; i < MenuItems; ++i)
        Label1[i]->SetBackColour(i == index ? UnderPointer : MenuColours[i]);
    MenuAtRest = false;
}

void VelStart::ShowMenu(bool shown)
{
    for (auto& item : Label1)
        item->SetVisible(shown);
}

void VelStart::Label1_Click(int index)
{
    switch (index) {
    case 0:
        ShowMenu(false);
        Picture1.SetVisible(true);
        Serif.SetCaption(Guide("new game", "name request"));
        Picture1.Text1.SetText(GetGameSetting(MyoujiKey));
        Picture1.Text2.SetText(GetGameSetting(NamaeKey));
        Picture1.Text1.SetFocus();
        break;
    case 1:
        if (!SaveFileExists()) {
            Serif.SetCaption(Guide("continue", "no save"));
            break;
        }
        ShowMenu(false);
        LOADOK.SetVisible(true);
        Serif.SetCaption(Guide("continue", "load confirm"));
        break;
    case 2:
        if (GetGameSetting("Cstring").empty()) {
            Serif.SetCaption(Guide("data room", "no clear record"));
            break;
        }
        OpenDataRoom();
        break;
    default: break;
    }
}

void VelStart::OKBUTTON_Click()
{
    const std::string myouji = Picture1.Text1.Text();
    const std::string namae = Picture1.Text2.Text();
    if (myouji.empty() || namae.empty()) {
        Serif.SetCaption(Guide("new game", "name warning first sentence")
                         + Guide("new game", "name warning second sentence"));
        return;
    }
    PlayerMyouji = myouji;
    PlayerNamae = namae;
    // Only the name boxes of the next game would miss these: play goes on either way.
    Outcome<> kept = SaveGameSetting(MyoujiKey, PlayerMyouji);
    if (kept)
        kept = SaveGameSetting(NamaeKey, PlayerNamae);
    if (!kept)
        LogProblem(kept.Failure());
    GameMinute = 0;
    for (int girl : Classmates) {
        Love[girl] = static_cast<Integer>(RandomBelow(5));
        MetFlag[girl] = 0;
    }
    EnterPlay(false);
}

void VelStart::LOADOK_Click()
{
    const Outcome<> continued = ContinueSavedGame();
    if (!continued) {
        // The saved game stays on disk as it was; back to the menu.
        ReportProblem(continued.Failure());
        LOADOK.SetVisible(false);
        ShowMenu(true);
        Serif.SetCaption(Guide("greeting", "greeting follow-up"));
        return;
    }
    EnterPlay(true);
}

void VelStart::OpenDataRoom()
{
    TheDataRoom.Get();
    // Held past the room's closing, to learn whether a replay was chosen in it.
    const std::shared_ptr<VelDatarm> room = TheDataRoom.Hold();
    room->Form.ShowModal();
    TheDataRoom.Unload();
    if (room->ReplayChosen)
        PlayReplay();
}

void VelStart::PlayReplay()
{
    MainStage& stage = TheMainStage();
    stage.Show();
    stage.SetClock("5:00 PM");
    TheStartScreen.Unload();
    ClosingTime();
}

void VelStart::EnterPlay(bool resumed)
{
    // The main screen comes up before the start screen goes, so a window is always showing.
    TheMainStage().Show();
    TheStartScreen.Unload();
    StartGame(resumed);
}

void VelStart::Timer1_Timer() { CV_Midi::MidiWatchdog(); }

}  // namespace Velmoor2
