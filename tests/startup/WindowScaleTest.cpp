// The window scale: the largest that fits the screen, the player's own from the settings, and
// the screens at scale 2 laid out exactly as at scale 1 with every design pixel twice as wide,
// sharp pictures taken from the art tool's double-size files.
#include "startup/WindowScale.h"

#include "game/VelMain.h"
#include "persist/DisplaySetting.h"
#include "persist/GameSettings.h"
#include "platform/SettingsFile.h"
#include "support/Bitmap.h"
#include "support/ScratchFolder.h"
#include "talk/VelSerif.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace Velmoor2;
namespace fs = std::filesystem;

namespace {

Platform::ScreenArea Screen(int width, int height, int topPanel = 0, int bottomPanel = 0)
{
    Platform::ScreenArea screen;
    screen.whole = {0, 0, width, height};
    screen.available = {0, topPanel, width, height - topPanel - bottomPanel};
    return screen;
}

constexpr uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF;

// A scratch configuration and picture folder, the game at a scale forced by the settings key.
class AtScaleTwo : public testing::Test {
protected:
    void SetUp() override
    {
        Platform::OverrideSettingsDirectory(folder.string());
        Platform::SetWindowScale(2);
    }
    void TearDown() override
    {
        TheReplyDialog.Unload();
        TheMainScreen.Unload();
        Platform::SetWindowScale(1);
        Platform::OverrideSettingsDirectory("");
    }
    Bitmap Photograph(const Platform::Window& form)
    {
        Platform::PumpEvents();
        const std::string path = (folder / "shot.bmp").string();
        EXPECT_TRUE(form.SaveScreenshot(path));
        return Bitmap::Read(path);
    }

    ScratchFolder scratch;  // the settings and the pictures, current for the game
    fs::path folder = scratch.Path();
};

}  // namespace

// Worked from the layout rules: the main screen (380 x 282 design pixels in a frame of
// 8 + 8 by 31 + 8 desktop pixels) centred and lifted 80 design pixels, the 501 x 138 reply
// window 50 twips below it, all at least 24 pixels inside the free area.
TEST(WindowScale, TheLargestScaleThatFitsTheScreen)
{
    EXPECT_EQ(FittingWindowScale(Screen(800, 600)), 1);
    EXPECT_EQ(FittingWindowScale(Screen(1024, 768)), 1);
    EXPECT_EQ(FittingWindowScale(Screen(1280, 1024)), 2);
    EXPECT_EQ(FittingWindowScale(Screen(1920, 1080)), 2);
    EXPECT_EQ(FittingWindowScale(Screen(2560, 1440)), 3);  // the main screen's top 37 px below the edge
    EXPECT_EQ(FittingWindowScale(Screen(3840, 2160)), 4);
    EXPECT_EQ(FittingWindowScale(Screen(1920, 1080, 0, 40)), 2);  // a panel along the bottom
    EXPECT_EQ(FittingWindowScale(Screen(2560, 1440, 32)), 2);     // the main screen would run under it
    EXPECT_EQ(FittingWindowScale(Screen(1900, 2160)), 3);         // a tall, narrow screen: the reply window's width
}

// The test screen is too small for scale 2 (offscreen, 800 x 600).
TEST_F(AtScaleTwo, ThePlayersKeyFixesTheScaleWhereItFitsAndOutlivesTheErase)
{
    const auto chosenWith = [](const char* scale, std::string* log) {
        EXPECT_TRUE(Platform::SaveSetting(SettingsApplicationName, DisplaySectionName, ScaleKey, scale));
        testing::internal::CaptureStderr();
        ChooseWindowScale();
        *log = testing::internal::GetCapturedStderr();
        return Platform::WindowScale();
    };
    const int fitting = FittingWindowScale(Platform::OpeningScreen());
    ASSERT_LT(fitting, 4);
    std::string log;
    EXPECT_EQ(chosenWith("1", &log), 1);
    EXPECT_EQ(log, "");
    EXPECT_EQ(chosenWith("4", &log), fitting) << "lowered to the largest that fits";
    EXPECT_NE(log.find("velmoor2: the window scale 4 fixed in the settings does not fit"), std::string::npos) << log;

    EXPECT_TRUE(EraseGameSettings());
    EXPECT_EQ(PlayersWindowScale(), 4);
    for (const char* chosen : {"1", "4", " 3"}) {
        ASSERT_TRUE(Platform::SaveSetting(SettingsApplicationName, DisplaySectionName, ScaleKey, chosen));
        EXPECT_EQ(PlayersWindowScale(), std::atoi(chosen)) << chosen;
    }
    for (const char* automatic : {"0", "5", "-2", "2x", "1.5", "two", ""}) {
        ASSERT_TRUE(Platform::SaveSetting(SettingsApplicationName, DisplaySectionName, ScaleKey, automatic));
        EXPECT_EQ(PlayersWindowScale(), 0) << automatic;
    }
}

TEST_F(AtScaleTwo, TheScreensAreTheirDesignWithEveryPixelDoubledAndCentredAtTheirScaledSizes)
{
    VelMain& main = TheMainScreen.Get();
    main.Form.Show();
    const Bitmap shot = Photograph(main.Form);
    EXPECT_EQ(shot.width, 2 * 380);
    EXPECT_EQ(shot.height, 2 * 282);
    // The clock's light orange box: twips 4920, 0, 735, 255 are design pixels 328, 0, 49, 17.
    constexpr uint32_t ClockOrange = 0xFFC080;
    EXPECT_EQ(shot.Pixel(2 * 328, 0), ClockOrange);
    EXPECT_EQ(shot.Pixel(2 * 328, 2 * 17 - 1), ClockOrange);
    EXPECT_NE(shot.Pixel(2 * 328 - 1, 0), ClockOrange);
    EXPECT_NE(shot.Pixel(2 * 328, 2 * 17), ClockOrange);
    // The frame's right edge (twips 255 + 4500 = design pixel 316) is a line two pixels wide.
    constexpr uint32_t FrameBlue = 0x0000C0;
    EXPECT_NE(shot.Pixel(2 * 316 - 1, 300), FrameBlue);
    EXPECT_EQ(shot.Pixel(2 * 316, 300), FrameBlue);
    EXPECT_EQ(shot.Pixel(2 * 316 + 1, 300), FrameBlue);
    EXPECT_NE(shot.Pixel(2 * 316 + 2, 300), FrameBlue);
    // Every place button whole at twice the font size.
    for (const auto& button : main.Command1)
        EXPECT_TRUE(button->ShowsWholeCaption()) << button->Caption();
    // The main screen is centred with its scaled size, then lifted 1200 twips; the reply window
    // stands centred 50 twips below it. In desktop pixels at scale 2 a twip is 2/15 of a pixel.
    const Platform::ScreenArea screen = Platform::OpeningScreen();
    const int mainWidth = 2 * 380 + 2 * Platform::FrameSidesPx;
    const int mainHeight = 2 * 282 + Platform::FrameTitlePx + Platform::FrameSidesPx;
    EXPECT_NEAR(main.Form.Left() * 2 / 15.0, (screen.whole.width - mainWidth) / 2.0, 1);
    EXPECT_NEAR(main.Form.Top() * 2 / 15.0, (screen.whole.height - mainHeight) / 2.0 - 160, 1);
    VelSerif& reply = TheReplyDialog.Get();
    EXPECT_NEAR(reply.Form.Left() * 2 / 15.0, (main.Form.Left() + main.Form.Width() / 2) * 2 / 15.0 - 501, 1);
    EXPECT_NEAR((reply.Form.Top() - main.Form.Top() - main.Form.Height()) * 2 / 15.0, 50 * 2 / 15.0, 1);
    const Bitmap replyShot = Photograph(reply.Form);
    EXPECT_EQ(replyShot.width, 2 * 501);
    EXPECT_EQ(replyShot.height, 2 * 138);
}

TEST_F(AtScaleTwo, PicturesComeSharpFromTheDoubleSizeFilesElseEveryPixelRepeated)
{
    // A 1-pixel chequer: enlarged smoothly it would turn to mixed colours.
    scratch.Write("CHEQUER.VEL", Bitmap::File(300, 200, [](int x, int y) { return (x + y) % 2 ? Red : Blue; }));
    scratch.Write("SHARP.VEL", Bitmap::File(300, 200, [](int, int) { return Red; }));
    scratch.Write("SHARP@2x.png", Bitmap::File(600, 400, [](int x, int) { return x < 300 ? Green : Blue; }));
    // A double-size file drawn for another picture size is not taken.
    scratch.Write("ODD.VEL", Bitmap::File(300, 200, [](int, int) { return Blue; }));
    scratch.Write("ODD@2x.png", Bitmap::File(300, 200, [](int, int) { return Green; }));

    VelMain& main = TheMainScreen.Get();
    main.Form.Show();
    ASSERT_TRUE(main.Image1.LoadPicture("CHEQUER.VEL"));
    Bitmap shot = Photograph(main.Form);
    for (int y = 0; y < 400; y += 37)
        for (int x = 0; x < 600; x += 41)
            ASSERT_EQ(shot.Pixel(2 * 8 + x, y), (x / 2 + y / 2) % 2 ? Red : Blue) << x << "," << y;

    ASSERT_TRUE(main.Image1.LoadPicture("SHARP.VEL"));
    shot = Photograph(main.Form);
    EXPECT_EQ(shot.Pixel(2 * 8 + 10, 10), Green);
    EXPECT_EQ(shot.Pixel(2 * 8 + 590, 390), Blue);

    ASSERT_TRUE(main.Image1.LoadPicture("ODD.VEL"));
    shot = Photograph(main.Form);
    EXPECT_EQ(shot.Pixel(2 * 8 + 590, 390), Blue);
    EXPECT_FALSE(main.Image1.LoadPicture("MISSING.VEL"));
}

// Only the game's own kinds of picture, no larger than the slot, are read: a file of a few bytes
// can otherwise claim a picture of gigabytes once enlarged (the benchmark measures the memory).
TEST_F(AtScaleTwo, PicturesOfOtherKindsOrLargerThanTheirSlotAreRefused)
{
    static constexpr char GifOf5600Squared[] = "GIF89a\xE0\x15\xE0\x15\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00"
                                               "\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";
    scratch.Write("BOMB.VEL", std::string(GifOf5600Squared, sizeof GifOf5600Squared - 1));
    scratch.Write("WIDE.VEL", Bitmap::File(301, 200, [](int, int) { return Red; }));
    scratch.Write("DRAWN.VEL",
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"300\" height=\"200\"><rect "
                  "width=\"300\" height=\"200\" fill=\"red\"/></svg>");
    scratch.Write("SCENE.VEL", Bitmap::File(300, 200, [](int, int) { return Blue; }));
    scratch.Write("SCENE@2x.png", std::string(GifOf5600Squared, sizeof GifOf5600Squared - 1));

    VelMain& main = TheMainScreen.Get();
    main.Form.Show();
    for (const char* refused : {"BOMB.VEL", "WIDE.VEL", "DRAWN.VEL"})
        EXPECT_FALSE(main.Image1.LoadPicture(refused)) << refused;
    ASSERT_TRUE(main.Image1.LoadPicture("SCENE.VEL")) << "a sharp rendering of another size is passed over";
    EXPECT_EQ(Photograph(main.Form).Pixel(2 * 8 + 590, 390), Blue);
}
