#pragma once

namespace Platform {

// Mouse buttons and modifier keys as the game's handlers receive them.
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;

constexpr int ShiftKey = 1;
constexpr int CtrlKey = 2;
constexpr int AltKey = 4;

}  // namespace Platform
