#pragma once
// Holds the one instance of a screen: created on first use, destroyed on unload. A later use
// creates it afresh with its design values. The destruction waits until the running handler
// has returned, because a screen is often unloaded from inside one of its own handlers; a
// handler that pumps events after a nested one may have unloaded its screen holds it with Hold.
#include "platform/Application.h"

#include <memory>

namespace Velmoor2 {

template <typename Screen>
class ScreenSlot {
public:
    Screen& Get()
    {
        if (!screen_) {
            screen_ = std::make_shared<Screen>();
            screen_->Form_Load();
        }
        return *screen_;
    }

    bool IsLoaded() const { return screen_ != nullptr; }
    bool Holds(const Screen* screen) const { return screen_.get() == screen; }
    std::shared_ptr<Screen> Hold() const { return screen_; }

    void Unload()
    {
        if (!screen_)
            return;
        std::shared_ptr<Screen> leaving = std::move(screen_);
        leaving->HideForUnload();
        Platform::ReleaseLater(std::move(leaving));
    }

private:
    std::shared_ptr<Screen> screen_;
};

}  // namespace Velmoor2
