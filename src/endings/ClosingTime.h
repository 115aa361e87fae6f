#pragma once

namespace Velmoor2 {

// 5:00 PM: the gate closes, a girl calls out from behind, and the game ends with her scene.
// It never returns: the chain ends with the program.
void ClosingTime();

}  // namespace Velmoor2
