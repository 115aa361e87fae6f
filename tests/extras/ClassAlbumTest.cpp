// The class album: thoughts under the photos as the pointer moves, the pick of the first click
// and its cost, the closing second click, and the boys' photos doing nothing.
#include "core/StoryScript.h"
#include "support/FrontScreens.h"

using namespace Velmoor2;

namespace {

class ClassAlbum : public FrontScreens {
protected:
    void SetUp() override
    {
        FrontScreens::SetUp();
        album = &TheClassAlbum.Get();
        album->Form.Show();
        ClickFlag = True;  // left set by the narration's last click
    }
    static std::string Thought(const std::string& key) { return KeyedText({"story/front/album.txt", "album", key}); }
    void Move(int photo) { album->Image1[photo]->SimulateMouseMove(); }
    VelAlbum* album = nullptr;
};

}  // namespace

TEST_F(ClassAlbum, TheFirstMoveShowsTheIntroThenEachPhotoItsOwnThought)
{
    Move(2);
    EXPECT_EQ(album->Label1.Caption(), Thought("intro"));
    Move(2);
    EXPECT_EQ(album->Label1.Caption(), Thought("photo 2"));
    album->Label1.SetCaption("");
    Move(2);
    EXPECT_EQ(album->Label1.Caption(), "") << "staying on a photo does not rewrite it";
    Move(7);
    EXPECT_EQ(album->Label1.Caption(), Thought("photo 7"));
    Move(2);
    EXPECT_EQ(album->Label1.Caption(), Thought("photo 2"));
}

TEST_F(ClassAlbum, TheFirstClickedGirlIsPickedAtACostOfTwoWhicheverPhotoClosesTheAlbum)
{
    album->Image1[6]->SimulateClick();
    album->Image1[7]->SimulateClick();
    EXPECT_TRUE(TheClassAlbum.IsLoaded()) << "the boys' photos never pick anyone";
    EXPECT_EQ(TargetGirl, 0);
    EXPECT_EQ(album->Label1.Caption(), "");
    Love[4] = 1;
    Platform::SetIdleHook([] {
        if (TheClassAlbum.IsLoaded()) {
            EXPECT_EQ(TheClassAlbum.Get().Label1.Caption(), Thought("decision"));
            // The album covers the main screen's click prompt: the thought says what to do.
            EXPECT_NE(Thought("decision").find("クリック"), std::string::npos);
            TheClassAlbum.Get().Image1[6]->SimulateClick();  // a boy: nothing
            TheClassAlbum.Get().Image1[0]->SimulateClick();
        }
        Platform::Defer([] {});
    });
    album->Image1[3]->SimulateClick();
    EXPECT_FALSE(TheClassAlbum.IsLoaded());
    EXPECT_EQ(TargetGirl, 4);
    EXPECT_EQ(Love[4], -1) << "may go below zero";
    EXPECT_EQ(Love[1], 0);
}
