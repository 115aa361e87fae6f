#pragma once
// The window scale the game opens with: the largest (1 to 4) at which the main screen and the
// reply window under it fit on the screen, or the player's own from the settings where that fits.
#include "platform/Application.h"

namespace Velmoor2 {

// Clearance kept between the game's windows and the edges of the screen's free area.
inline constexpr int ScreenMarginPx = 24;

// The largest scale at which both windows, placed as the game places them, keep the margin.
int FittingWindowScale(const Platform::ScreenArea& screen);
// Chooses the scale for this run and sets it; call before the first window opens. A scale the
// player fixed that does not fit is lowered to the largest that does, and the log says so.
void ChooseWindowScale();

}  // namespace Velmoor2
