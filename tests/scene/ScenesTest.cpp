// Scene pictures read by their content whatever the extension, the .BMP fallback, and waits
// that keep the other timers of the game running.
#include "scene/Scenes.h"

#include "platform/Timer.h"
#include "platform/Window.h"
#include "support/Bitmap.h"
#include "support/PlayingGame.h"
#include "support/ScratchFolder.h"

using namespace Velmoor2;

namespace {

// A 2 x 2 pixel 24-bit bitmap file.
std::string BitmapFile()
{
    return Bitmap::File(2, 2, [](int, int) { return 0x7F7F7Fu; });
}

const std::string GifFile("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35);

class ScenePictures : public PlayingGame {
protected:
    void SetUp() override
    {
        PlayingGame::SetUp();
        folder = std::make_unique<ScratchFolder>();
    }
    void TearDown() override
    {
        folder.reset();
        PlayingGame::TearDown();
    }
    bool Shows(const std::string& code)
    {
        ShowScene(code, "テキスト", "");
        return TheMainScreen.Get().Image1.HasPicture();
    }
    std::unique_ptr<ScratchFolder> folder;
};

}  // namespace

TEST_F(ScenePictures, PicturesAreReadByContentWithTheBitmapAsFallback)
{
    folder->Write("C230C.VEL", GifFile);
    folder->Write("C250C.BMP", BitmapFile());
    folder->Write("C260C.VEL", BitmapFile());
    folder->Write("C260C.BMP", "not a picture");
    EXPECT_TRUE(Shows("C230C"));
    EXPECT_TRUE(Shows("C250C"));
    EXPECT_TRUE(Shows("C260C"));  // the .VEL wins over a .BMP beside it
}

TEST_F(ScenePictures, AMissingOrBrokenPictureEmptiesTheBoxAndTheSceneGoesOn)
{
    folder->Write("C230C.VEL", BitmapFile());
    folder->Write("C240C.VEL", BitmapFile().substr(0, 30));
    ASSERT_TRUE(Shows("C230C"));
    EXPECT_FALSE(Shows("C240C"));
    EXPECT_EQ(TheMainScreen.Get().Label1.Caption(), "テキスト");
    ASSERT_TRUE(Shows("C230C"));
    EXPECT_FALSE(Shows("C299C"));
    // No code keeps the picture that is there.
    ASSERT_TRUE(Shows("C230C"));
    EXPECT_TRUE(Shows(""));
}

TEST_F(PlayingGame, TimersKeepTickingWhileAClickIsAwaitedAndInAModalWindow)
{
    int ticks = 0;
    Platform::Timer other(1, true);
    other.OnTick([&] { ++ticks; });
    Platform::SetIdleHook([&] {
        if (ticks >= 3)
            TheMainScreen.Get().Label1.SimulateClick();
    });
    WaitClick();
    EXPECT_GE(ticks, 3);

    Platform::Window modal(1500, 1500, "modal");
    Platform::SetIdleHook([&] {
        if (ticks >= 6)
            modal.Hide();
    });
    modal.ShowModal();
    EXPECT_GE(ticks, 6);
}
