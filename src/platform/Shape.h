#pragma once
// A static drawing on a window: a rectangle outline or a line.
#include "platform/Colour.h"
#include "platform/Control.h"

#include <memory>

namespace Platform {

class Window;

enum class ShapeKind { Rectangle, RoundedRectangle, Line };

class Shape : public Control {
public:
    // For a line, the box runs from its start (left, top) to its end (left + width, top + height).
    Shape(Window& window, ShapeKind kind, int left, int top, int width, int height, Colour colour, int widthPx = 1);
    ~Shape() override;
    void SetColour(Colour colour);
    // Fills a rectangle's inside; outlines only until then.
    void SetFillColour(Colour colour);

private:
    struct Impl;
    explicit Shape(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
