#include "startup/WindowScale.h"

#include "core/Report.h"
#include "game/VelMain.h"
#include "persist/DisplaySetting.h"
#include "platform/Window.h"
#include "talk/VelSerif.h"

#include <algorithm>
#include <string>

namespace Velmoor2 {
namespace {

// Twips at scale n of a length in desktop pixels, and back.
int TwipsAt(int pixels, int scale) { return pixels * Platform::TwipsPerPixel / scale; }
int PixelsAt(int twips, int scale) { return twips * scale / Platform::TwipsPerPixel; }

// Where the main screen and the reply window stand at scale n, by the rules the screens
// follow: the main screen centred and lifted 1200 twips, the reply window centred just below it.
Platform::ScreenRect BothWindows(const Platform::ScreenRect& whole, int scale)
{
    const int displayWidth = TwipsAt(whole.width, scale), displayHeight = TwipsAt(whole.height, scale);
    const int mainWidth = VelMain::ClientWidth + TwipsAt(2 * Platform::FrameSidesPx, scale);
    const int mainHeight = VelMain::ClientHeight + TwipsAt(Platform::FrameTitlePx + Platform::FrameSidesPx, scale);
    const int mainLeft = (displayWidth - mainWidth) / 2;
    const int mainTop = (displayHeight - mainHeight) / 2 - 1200;
    const int replyLeft = (displayWidth - VelSerif::ClientWidth) / 2;
    const int replyBottom = mainTop + mainHeight + 50 + VelSerif::ClientHeight;
    const int left = std::min(mainLeft, replyLeft);
    const int right = std::max(mainLeft + mainWidth, replyLeft + VelSerif::ClientWidth);
    return {whole.left + PixelsAt(left, scale), whole.top + PixelsAt(mainTop, scale), PixelsAt(right - left, scale),
            PixelsAt(replyBottom - mainTop, scale)};
}

bool Inside(const Platform::ScreenRect& box, const Platform::ScreenRect& area, int margin)
{
    return box.left >= area.left + margin && box.top >= area.top + margin
        && box.left + box.width <= area.left + area.width - margin
        && box.top + box.height <= area.top + area.height - margin;
}

}  // namespace

int FittingWindowScale(const Platform::ScreenArea& screen)
{
    for (int scale = 4; scale > 1; --scale)
        if (Inside(BothWindows(screen.whole, scale), screen.available, ScreenMarginPx))
            return scale;
    return 1;
}

void ChooseWindowScale()
{
    const Platform::ScreenArea screen = Platform::OpeningScreen();
    const int fitting = FittingWindowScale(screen);
    const int fixed = PlayersWindowScale();
    // A scale fixed for a larger screen would open the main screen partly off this one.
    if (fixed > fitting)
        LogProblem({"",
                    "the window scale " + std::to_string(fixed) + " fixed in the settings does not fit the "
                        + std::to_string(screen.whole.width) + "x" + std::to_string(screen.whole.height)
                        + " screen; the game opens at scale " + std::to_string(fitting)});
    Platform::SetWindowScale(fixed ? std::min(fixed, fitting) : fitting);
}

}  // namespace Velmoor2
