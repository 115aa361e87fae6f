#pragma once

namespace Velmoor2 {

// The player closes the main screen: refused at closing time and before the album pick,
// otherwise save and quit, quit, or stay. Returns true when the close is cancelled.
bool AskToQuit();

}  // namespace Velmoor2
