// Controls and their window may go in either order, and the keyboard presses a focused button
// as on Windows.
#include "platform/Application.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/Window.h"

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
