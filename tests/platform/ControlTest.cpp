// Controls and their window may go in either order: a screen's window can be destroyed before
// the controls that stand on it.
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
