#pragma once
// The one interrupted game, kept in "VEL2DATA.DAT" in the current directory. Written when the
// player quits with saving; read and deleted when the game is continued; deleted by every
// epilogue. A failure never pretends to have worked: it comes back as a problem with a line for
// the player, and a file that cannot be loaded stays on disk as it was.
#include "core/Outcome.h"
#include "persist/SavedGame.h"

namespace Velmoor2 {

inline constexpr const char* SaveFileName = "VEL2DATA.DAT";

// Replaces the save file as a whole; the earlier save stays intact when this fails.
Outcome<> WriteSaveFile(const SavedGame& game);
// Reads and checks the file; nothing is changed, on disk or in the game state.
Outcome<SavedGame> ReadSaveFile();
bool SaveFileExists();
// Succeeds when no save file is left afterwards.
Outcome<> DeleteSaveFile();

// The continue path: read the save, delete it (a save is resumed once only), and only then set
// the game state from it. On any failure the game state is untouched.
Outcome<> ContinueSavedGame();

}  // namespace Velmoor2
