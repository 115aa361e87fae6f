#pragma once

namespace Velmoor2 {

// Into play, with the main screen showing. A new game tells the opening narration with the class album
// and begins at 4:31 PM in the schoolyard; a continued game shows its saved place. The clock
// then runs and the place buttons open.
void StartGame(bool resumed);

}  // namespace Velmoor2
