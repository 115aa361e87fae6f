#pragma once
// Inside the Windows platform only: the game's fonts, shipped beside the program and loaded
// for the game alone, so it looks the same on every Windows and under Wine.
#include <string>
#include <windows.h>

namespace Platform {

// Loads the IPA faces from the program's folder, privately; once.
void LoadGameFonts();
// The design's font ("ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝" ...) at the window scale; the game keeps
// each one for the run.
HFONT DesignFont(const std::string& family, double points, bool bold = false, bool italic = false);
// The font of controls and message boxes that set none: the proportional Gothic at 12 pixels
// times the window scale.
HFONT DefaultFont();

}  // namespace Platform
