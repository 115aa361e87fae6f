#pragma once
// A point on the screen in pixels, where tests move the real pointer.

namespace Platform {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

}  // namespace Platform
