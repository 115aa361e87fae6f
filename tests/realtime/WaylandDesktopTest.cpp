// On a Wayland desktop (CTest runs this on weston with XWayland, Qt's Wayland plugin installed
// and QT_QPA_PLATFORM unset) the game runs on X, where it may place its windows, and they land
// where designed: the logo centred, the main screen centred and lifted, read from the
// compositor's own screenshot. The reply window belongs to the main screen; where it opens is
// then the window manager's to honour: weston's own places a window that has an owner itself,
// GNOME's, Plasma's and openbox's keep the game's place (the real-time games check it).
#include "frontend/Demoform.h"
#include "game/VelMain.h"
#include "platform/Application.h"
#include "realtime/XDesktop.h"
#include "support/Bitmap.h"
#include "talk/Conversation.h"
#include "talk/VelSerif.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace Velmoor2;
namespace fs = std::filesystem;

namespace {

// The whole screen as weston shows it, or an empty picture.
Bitmap CompositorShot(const fs::path& folder)
{
    for (int frame = 0; frame < 40; ++frame) {  // time to map and draw the windows
        Platform::PumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    const std::string take = "cd '" + folder.string() + "' && weston-screenshooter >/dev/null 2>&1"
        + " && convert wayland-screenshot-*.png -type TrueColor BMP3:shot.bmp && rm wayland-screenshot-*.png";
    if (std::system(take.c_str()) != 0)
        return {};
    return Bitmap::Read((folder / "shot.bmp").string());
}

struct Stripe {
    int left = -1;
    int right = -1;  // just past its last pixel
    int top = -1;
};

// The first row, from the top, holding at least `length` pixels of the colour side by side.
Stripe FirstRun(const Bitmap& shot, uint32_t colour, int length)
{
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            int end = x;
            while (end < shot.width && shot.Pixel(end, y) == colour)
                ++end;
            if (end - x >= length)
                return {x, end, y};
            x = end;
        }
    }
    return {};
}

}  // namespace

TEST(OnAWaylandDesktop, TheWindowsLandWhereDesigned)
{
    if (!std::getenv("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "a Wayland desktop's test: CTest runs it on weston (wayland_desktop)";
    ASSERT_EQ(::chdir(VEL_GAME_DIR), 0);
    const fs::path folder = fs::temp_directory_path() / ("velmoor-weston-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::shared_ptr<void> removeFolder(nullptr, [&folder](void*) { fs::remove_all(folder); });

    LendMainScreen();
    Demoform& logo = TheLogoDemo.Get();
    logo.Form.Show();
    EXPECT_TRUE(XDesktop().Find(logo.Form.Caption())) << "the game is an X client";
    const Bitmap logoShot = CompositorShot(folder);
    ASSERT_GT(logoShot.width, 0) << "weston's screenshot";
    const int scale = Platform::WindowScale();
    const Stripe black = FirstRun(logoShot, 0x000000, 235 * scale);
    EXPECT_NEAR(black.left, (logoShot.width - 235 * scale) / 2, 1) << "the logo centred across";
    EXPECT_NEAR(black.top, (logoShot.height - 92 * scale) / 2, 1) << "and up and down";
    TheLogoDemo.Unload();

    VelMain& main = TheMainScreen.Get();
    main.Form.Show();
    StartTalk("31A");
    const Bitmap shot = CompositorShot(folder);
    // The clock's light orange box stands at the top of the main screen, 328 pixels in.
    const Stripe clockBox = FirstRun(shot, 0xFFC080, 49 * scale);
    const int mainLeft = clockBox.left - 328 * scale;
    // Placed before the compositor has framed it, from a frame of Windows' size.
    EXPECT_NEAR(mainLeft, (shot.width - 380 * scale) / 2, 10) << "the main screen centred across";
    // Centred and lifted 1200 twips; its title bar, drawn by the compositor, makes up the rest.
    EXPECT_NEAR(clockBox.top + 141 * scale, shot.height / 2 - 80 * scale, 30) << "the main screen lifted";
    const XDesktop x;
    const auto mainShown = x.Find(main.Form.Caption());
    ASSERT_TRUE(mainShown);
    EXPECT_TRUE(x.Find("Velmoor Episode2 Serif", mainShown->id)) << "the reply window belongs to the main screen";

    TheReplyDialog.Unload();
    TheMainScreen.Unload();
    Platform::PumpEvents();
}
