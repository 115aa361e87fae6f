#pragma once
// A push button with a caption.
#include "platform/Control.h"

#include <memory>
#include <string>

namespace Platform {

class Window;

class CommandButton : public Control {
public:
    CommandButton(Window& window, int left, int top, int width, int height);
    ~CommandButton() override;
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetFont(const std::string& family, double points, bool bold = false);
    // Whether the caption fits on the button without being cut off.
    bool ShowsWholeCaption() const;

private:
    struct Impl;
    explicit CommandButton(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
