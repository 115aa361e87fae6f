#pragma once
// A one-line text entry; Japanese goes in through the system's input method.
#include "platform/Control.h"

#include <memory>
#include <string>

namespace Platform {

class Window;

class TextBox : public Control {
public:
    TextBox(Window& window, int left, int top, int width, int height);
    ~TextBox() override;
    void SetText(const std::string& text);
    std::string Text() const;
    void SetMaxLength(int characters);
    void SetFont(const std::string& family, double points, bool bold = false);
    void SetFocus();
    // Japanese typed through the input method, added where the cursor is (tests).
    void SimulateTyping(const std::string& text);

private:
    struct Impl;
    explicit TextBox(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
