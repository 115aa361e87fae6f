// Controls and their window may go in either order, and the keyboard presses a focused button
// as on Windows, which wears its mark at every scale.
#include "platform/Application.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/Window.h"
#include "support/Bitmap.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <memory>

TEST(Control, AWindowGoneBeforeItsControlsLeavesThemHarmless)
{
    auto window = std::make_unique<Platform::Window>(3000, 2000, "", Platform::Border::Fixed);
    auto label = std::make_unique<Platform::Label>(*window, 0, 0, 1500, 300);
    label->SetCaption("残された");
    window.reset();
    label.reset();  // must not touch the freed widget
    SUCCEED();
}

TEST(Control, EnterAndTheKeypadsEnterPressTheFocusedButtonAsSpaceDoes)
{
    Platform::Window window(3000, 2000, "", Platform::Border::Fixed);
    Platform::CommandButton button(window, 0, 0, 1500, 375);
    int presses = 0;
    button.OnClick([&presses] { ++presses; });
    window.Show();
    button.SetFocus();
    Platform::PumpEvents();
    ASSERT_TRUE(button.HasFocus());
    button.SimulateKey(Platform::Control::Key::Enter);
    button.SimulateKey(Platform::Control::Key::KeypadEnter);
    button.SimulateKey(Platform::Control::Key::Space);
    EXPECT_EQ(presses, 3);
}

// The mark is a dotted line a few scale pixels inside the button's edge, as wide as a pixel of
// the window scale; the style's own focus colour stays on the edge itself.
TEST(Control, TheFocusedButtonsMarkShowsAtScaleTwo)
{
    Platform::SetWindowScale(2);
    {
        Platform::Window window(3000, 2000, "", Platform::Border::Fixed);
        Platform::CommandButton first(window, 0, 0, 1500, 375), second(window, 0, 600, 1500, 375);
        window.Show();
        ScratchFolder scratch;
        const auto shot = [&](Platform::CommandButton& focused) {
            focused.SetFocus();
            Platform::PumpEvents();
            const std::string path = scratch.Path() + "/shot.bmp";
            EXPECT_TRUE(window.SaveScreenshot(path));
            return Bitmap::Read(path);
        };
        const Bitmap marked = shot(first), unmarked = shot(second);
        int changed = 0;
        for (int y = 5; y <= 8; ++y)
            for (int x = 10; x < 190; ++x)
                changed += marked.Pixel(x, y) != unmarked.Pixel(x, y);
        EXPECT_GT(changed, 100);
    }
    Platform::SetWindowScale(1);
}
