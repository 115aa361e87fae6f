#pragma once

namespace Velmoor2 {

// The quit dialog's Yes: keeps the game in the save file. When that fails the player is told
// why and false comes back, so the game is not ended as if it had been saved.
bool SaveForLater();

}  // namespace Velmoor2
