#pragma once
// A text on a window: wrapped caption, colours, alignment and font.
#include "platform/Colour.h"
#include "platform/Control.h"

#include <memory>
#include <string>

namespace Platform {

class Window;

enum class Alignment { Left, Right, Centre };

class Label : public Control {
public:
    Label(Window& window, int left, int top, int width, int height);
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetForeColour(Colour colour);
    Colour ForeColour() const;
    Colour BackColour() const;
    void SetBackColour(Colour colour);  // opaque from then on; labels start transparent
    void SetAlignment(Alignment alignment);
    // The caption in the middle of the label's height instead of at its top.
    void CentreVertically();
    // Family names of the designs ("ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝") map to the installed stand-ins.
    void SetFont(const std::string& family, double points, bool bold = false, bool italic = false);
    void SetWordWrap(bool wrap);
    // Whether the caption, wrapped as it is drawn, fits the label without being cut off.
    bool ShowsWholeCaption() const;
    // Where the last wrapped line of the caption lies, in pixels within the label.
    struct LineBox {
        int bottom;
        int right;
    };
    LineBox LastLineBox() const;

    ~Label() override;

private:
    struct Impl;
    explicit Label(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
