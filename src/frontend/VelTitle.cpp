#include "frontend/VelTitle.h"

#include "core/CenterForm.h"
#include "core/StoryScript.h"
#include "frontend/VelStart.h"
#include "media/CV_Midi.h"
#include "platform/Application.h"

namespace Velmoor2 {
namespace {

constexpr Platform::Colour Teal = Platform::Rgb(0, 153, 153);
constexpr Platform::Colour StartAtRest = Platform::Rgb(0, 128, 128);
constexpr Platform::Colour StartUnderPointer = Platform::Rgb(160, 64, 64);
constexpr Platform::Colour FullRed = Platform::Rgb(255, 0, 0);
constexpr Platform::Colour Black = Platform::Rgb(0, 0, 0);
constexpr Platform::Colour ShadowGreen = Platform::Rgb(0, 64, 0);

// Marks the fade as running for as long as it runs, however it ends.
class FadeUnderWay {
public:
    explicit FadeUnderWay(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    ~FadeUnderWay() { flag_ = false; }
    FadeUnderWay(const FadeUnderWay&) = delete;
    FadeUnderWay& operator=(const FadeUnderWay&) = delete;

private:
    bool& flag_;
};

}  // namespace

constexpr StoryKey MakersNoticeKey{"story/front/title.txt", "notice", "notice"};

std::string MakersNotice() { return KeyedText(MakersNoticeKey); }

VelTitle::VelTitle()
{
    Form.SetCaption(MakersNotice() + " -Velmoor Episode2-");
    Form.SetBackColour(Teal);
    Form.SetPicture("title");

    Label4.SetCaption("Episode");
    Label4.SetFont("ＭＳ Ｐゴシック", 18, true);
    Label4.SetForeColour(Platform::Rgb(0, 192, 192));
    Label4.SetVisible(false);
    Label3.SetCaption("2");
    Label3.SetFont("ＭＳ Ｐゴシック", 90, true, true);
    // Our bold faces stand taller in their line than the design's Gothic: in the middle of
    // their boxes both captions show whole.
    Label4.CentreVertically();
    Label3.CentreVertically();
    Label3.SetForeColour(Platform::Rgb(255, 128, 128));
    Label3.SetVisible(false);

    Label2.SetCaption("S t a r t");
    Label2.SetForeColour(Platform::Rgb(255, 255, 255));
    Label2.SetBackColour(StartAtRest);
    Label2.SetAlignment(Platform::Alignment::Centre);
    Line1[0] =
        std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 2050, 3000, 3240 - 2050, 0, ShadowGreen, 2);
    Line1[1] =
        std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, 3240, 2770, 0, 3000 - 2770, ShadowGreen, 2);

    Label1.SetCaption(MakersNotice());
    Label1.SetAlignment(Platform::Alignment::Centre);
    Label1.SetForeColour(Platform::Rgb(255, 255, 128));
    Label1.SetFont("ＭＳ Ｐゴシック", 11.25);

    Form.OnMouseMove([this] { Form_MouseMove(); });
    Label2.OnMouseMove([this](int, int, int, int) { Label2_MouseMove(); });
    Label2.OnMouseDown([this](int button, int shift, int, int) { Label2_MouseDown(button, shift); });
    Label2.OnClick([this] { Label2_Click(); });
    Timer1.OnTick([this] { Timer1_Timer(); });
    // The player closing the title ends the program.
    Form.OnCloseRequest([] {
        CV_Midi::MidiClose();
        Platform::EndProgram();
    });
}

void VelTitle::Form_Load() { CenterForm(Form); }

void VelTitle::HideForUnload()
{
    CV_Midi::MidiClose();
    Timer1.SetEnabled(false);
    Form.Hide();
}

void VelTitle::Form_MouseMove() { Label2.SetBackColour(StartAtRest); }

void VelTitle::Label2_MouseMove() { Label2.SetBackColour(StartUnderPointer); }

void VelTitle::Label2_MouseDown(int, int shift)
{
    if (shift != 0)
        CV_Midi::MidiOff = true;
}

void VelTitle::Label2_Click()
{
    Platform::PumpEvents();
    Timer1.SetEnabled(false);
    Platform::PumpEvents();
    if (!StillShown())
        return;  // a second click pumped in above has already moved on
    CV_Midi::MidiClose();
    TheStartScreen.Get().Form.Show();
    Form.Hide();
    TheTitleScreen.Unload();
}

bool VelTitle::StillShown() const { return TheTitleScreen.Holds(this) && Form.IsVisible(); }

void VelTitle::Timer1_Timer()
{
    // The fade runs longer than the 3 s pause before it, so the next tick falls inside it:
    // that tick belongs to the fade already running.
    if (fading_)
        return;
    if (Label3.ForeColour() == FullRed) {
        Label4.SetVisible(false);
        Label3.SetVisible(false);
        Label3.SetForeColour(Black);
        Timer1.SetInterval(HiddenMs);
        return;
    }
    FadeIn();
}

void VelTitle::FadeIn()
{
    // The fade pumps events, so the start label can be clicked in the middle of it: this copy
    // keeps the screen alive until the fade has noticed and stopped.
    const std::shared_ptr<VelTitle> self = TheTitleScreen.Hold();
    const FadeUnderWay fade(fading_);
    auto step = [this](int pauseMs) {
        Platform::Pause(pauseMs);
        Platform::PumpEvents();
        return StillShown();
    };
    Label4.SetForeColour(Black);
    Label3.SetForeColour(Black);
    Label4.SetVisible(true);
    if (!step(10))
        return;
    for (int c = 254; c >= 0; --c) {
        Label4.SetForeColour(Platform::Rgb(c, 255, 255));
        if (!step(1))
            return;
    }
    Label3.SetVisible(true);
    if (!step(10))
        return;
    for (int c = 255; c >= 0; --c) {
        Label3.SetForeColour(Platform::Rgb(255, c, c));
        if (!step(10))
            return;
    }
    Timer1.SetInterval(ShownMs);
}

}  // namespace Velmoor2
