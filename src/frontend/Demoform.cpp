#include "frontend/Demoform.h"

#include "core/CenterForm.h"
#include "media/CV_Midi.h"
#include "platform/Application.h"

namespace Velmoor2 {
namespace {

// The logotype "VELMOX": six letters leaning right, each a group of strokes in its own colour.
// A stroke runs between two points of its letter's box, (0, 0) top left to (1, 1) bottom right.
struct Stroke {
    int letter;
    double u1, v1, u2, v2;
};

constexpr std::array<Stroke, Demoform::SegmentCount> Strokes{{
    {0, 0, 0, 0.5, 1}, {0, 0.5, 1, 1, 0},                                            // V
    {1, 0, 0, 0, 1},   {1, 0, 0, 1, 0},     {1, 0, 0.5, 0.8, 0.5}, {1, 0, 1, 1, 1},  // E
    {2, 0, 0, 0, 1},   {2, 0, 1, 1, 1},     {2, 0, 0, 0.3, 0},                       // L
    {3, 0, 1, 0, 0},   {3, 0, 0, 0.5, 0.6}, {3, 0.5, 0.6, 1, 0},   {3, 1, 0, 1, 1},  // M
    {4, 0, 0, 1, 0},   {4, 1, 0, 1, 1},     {4, 1, 1, 0, 1},       {4, 0, 1, 0, 0},  // O
    {5, 0, 0, 1, 1},   {5, 1, 0, 0, 1},                                              // X
}};

// First and last stroke (1-based) of each letter, and its colour.
struct Group {
    int first, last;
    Platform::Colour colour;
};
const std::array<Group, 6> Groups{{
    {1, 2, Platform::Rgb(0, 255, 255)},
    {3, 6, Platform::Rgb(0, 255, 0)},
    {7, 9, Platform::Rgb(255, 255, 255)},
    {10, 13, Platform::Rgb(255, 0, 0)},
    {14, 17, Platform::Rgb(255, 0, 255)},
    {18, 19, Platform::Rgb(255, 255, 0)},
}};

constexpr int LetterLeft = 615, LetterStep = 470, LetterWidth = 380, Slant = 120, Top = 240, Height = 960;

int X(int letter, double u, double v)
{
    return LetterLeft + letter * LetterStep + static_cast<int>(u * (LetterWidth - Slant) + (1 - v) * Slant);
}

int Y(double v) { return Top + static_cast<int>(v * Height); }

}  // namespace

Demoform::Demoform()
{
    Form.SetBackColour(0x00000000);
    for (const Group& group : Groups)
        for (int i = group.first; i <= group.last; ++i) {
            const Stroke& s = Strokes[i - 1];
            const int x1 = X(s.letter, s.u1, s.v1), y1 = Y(s.v1);
            Line1[i] = std::make_unique<Platform::Shape>(Form, Platform::ShapeKind::Line, x1, y1,
                                                         X(s.letter, s.u2, s.v2) - x1, Y(s.v2) - y1, group.colour);
        }
    Label1.SetCaption("1999");
    Label1.SetForeColour(Platform::Rgb(0, 255, 0));
    Label1.SetBackColour(0x00000000);
    Label1.SetFont("ＭＳ Ｐ明朝", 14.25, true);
    Image2.SetResourcePicture("logo-a");
    Image3.SetResourcePicture("logo-b");
    Image1.SetVisible(false);
    Image2.SetVisible(false);
    Image3.SetVisible(false);
    Timer1.OnTick([this] { Timer1_Timer(); });
    Form.OnKeyDown([this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); });
    Form.OnCloseRequest([] {});  // no way to end the demo early
}

void Demoform::Form_Load()
{
    CenterForm(Form);
    Label1.SetVisible(false);
    for (int i = 1; i <= SegmentCount; ++i)
        Line1[i]->SetVisible(false);
    Image1.CopyPictureFrom(Image2);
    Image1.Move(50, 300, 480, 960);
    Timer1.SetInterval(TickMs);
}

void Demoform::HideForUnload()
{
    Timer1.SetEnabled(false);
    Form.Hide();
}

void Demoform::ShowGroup(int group)
{
    for (int i = Groups[group - 1].first; i <= Groups[group - 1].last; ++i)
        Line1[i]->SetVisible(true);
}

void Demoform::SwitchSprite(const Platform::Image& frame)
{
    Image1.SetVisible(false);
    Platform::PumpEvents();
    Image1.CopyPictureFrom(frame);
    Image1.SetVisible(true);
}

void Demoform::Timer1_Timer()
{
    // Counted before the step runs: a tick that comes inside this step's event pump is the next
    // step, not this one again.
    const Integer tick = DemoTick;
    DemoTick = static_cast<Integer>(tick + 1);
    switch (tick) {
    case 1:
        if (!WavOff)
            CV_Midi::PlaySound("CVDEMO.WAV", CV_Midi::SND_ASYNC);
        break;
    case 4: ShowGroup(1); break;
    case 5: ShowGroup(2); break;
    case 6: ShowGroup(3); break;
    case 7:
        ShowGroup(4);
        SwitchSprite(Image3);
        break;
    case 8:
        ShowGroup(5);
        SwitchSprite(Image2);
        break;
    case 9:
        ShowGroup(6);
        SwitchSprite(Image3);
        break;
    case 13:
        Label1.SetVisible(true);
        Platform::PumpEvents();
        break;
    case 23:
        Timer1.SetInterval(0);
        Platform::PumpEvents();
        Form.Hide();
        break;
    default: break;
    }
}

void Demoform::Form_KeyDown(int, int shift)
{
    // Shift, Ctrl or Alt silences the jingle; the animation runs on regardless.
    if (shift == 0)
        return;
    CV_Midi::PlaySound("Dummy.wav", CV_Midi::SND_ASYNC | CV_Midi::SND_NODEFAULT);
    WavOff = true;
}

}  // namespace Velmoor2
