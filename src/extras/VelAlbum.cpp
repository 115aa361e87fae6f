#include "extras/VelAlbum.h"

#include "core/StoryScript.h"
#include "scene/MainStage.h"
#include "scene/Scenes.h"

namespace Velmoor2 {
namespace {

constexpr const char* AlbumFile = "story/front/album.txt";
constexpr StoryKey AlbumIntro{AlbumFile, "album", "intro"};
constexpr StoryKey PhotoThought{AlbumFile, "album", "photo {n}"};
constexpr StoryKey AlbumDecision{AlbumFile, "album", "decision"};
constexpr int Girls = 6;

}  // namespace

VelAlbum::VelAlbum()
{
    Page.SetResourcePicture("album");
    // Girls in two rows of three; the two boys one above the other at the right edge.
    for (int i = 0; i < Portraits; ++i) {
        const bool boy = i >= Girls;
        const int left = boy ? 6480 : 120 + 1920 * (i % 3);
        const int top = boy ? 240 + 3000 * (i - Girls) : 240 + 3000 * (i / 3);
        Image1[i] = std::make_unique<Platform::Image>(Form, left, top, boy ? 1335 : 1815, 2775);
        Image1[i]->OnMouseMove([this, i](int, int, int, int) { Image1_MouseMove(i); });
        Image1[i]->OnClick([this, i] { Image1_Click(i); });
    }
    Label1.SetFont("ＭＳ Ｐゴシック", 11.25);
    Label1.SetForeColour(Platform::Rgb(64, 32, 16));
}

// Over the main screen, where it stands now, as designed: centred on the screen and lifted 100
// twips where the main screen stands centred and lifted 1200.
void VelAlbum::Form_Load()
{
    LastPortrait = NothingShown;
    Platform::Window& mainScreen = TheMainStage().StageWindow();
    Form.SetOwner(mainScreen);
    Form.MoveTo(mainScreen.Left() + (mainScreen.Width() - Form.Width()) / 2,
                mainScreen.Top() + (mainScreen.Height() - Form.Height()) / 2 + 1200 - 100);
}

void VelAlbum::HideForUnload() { Form.Hide(); }

void VelAlbum::Image1_MouseMove(int index)
{
    if (LastPortrait == NothingShown) {
        Label1.SetCaption(KeyedText(AlbumIntro));
        LastPortrait = IntroShown;
    } else if (index != LastPortrait) {
        LastPortrait = index;
        Label1.SetCaption(KeyedText(PhotoThought, index));
    }
}

void VelAlbum::Image1_Click(int index)
{
    if (index >= Girls)
        return;
    if (ClickFlag == False) {
        // The second click, during the wait below: it closes the album.
        ClickFlag = True;
        return;
    }
    Label1.SetCaption(KeyedText(AlbumDecision));
    ClickFlag = False;
    WaitClick();
    TargetGirl = static_cast<Integer>(index + 1);
    Love[index + 1] = static_cast<Integer>(Love[index + 1] - 2);
    TheClassAlbum.Unload();
}

}  // namespace Velmoor2
