#pragma once
// The one interrupted game, kept in "VEL2DATA.DAT" in the current directory. Written when the
// player quits with saving; read and deleted when the game is continued; deleted by every
// epilogue. A failure never pretends to have worked: the result says so, with a line for the
// player, and a file that cannot be loaded stays on disk as it was.
#include <string>

#include "persist/SavedGame.h"

namespace Velmoor2 {

inline constexpr const char* SaveFileName = "VEL2DATA.DAT";

struct SaveResult {
    bool ok = false;
    std::string message;  // for the player, when not ok
    std::string detail;   // what went wrong, for the log
};

enum class LoadProblem { None, Missing, Unreadable, Short, Damaged, NotDeleted };

struct LoadResult {
    bool ok = false;
    LoadProblem problem = LoadProblem::None;
    std::string message;  // for the player, when not ok
    std::string detail;   // what went wrong, for the log
    SavedGame game;       // meaningful only when ok
};

// Replaces the save file as a whole; the earlier save stays intact when this fails.
SaveResult WriteSaveFile(const SavedGame& game);
// Reads and checks the file; nothing is changed, on disk or in the game state.
LoadResult ReadSaveFile();
bool SaveFileExists();
// True when no save file is left afterwards.
bool DeleteSaveFile();

// The continue path: read the save, delete it (a save is resumed once only), and only then set
// the game state from it. On any failure the game state is untouched.
LoadResult ContinueSavedGame();

}  // namespace Velmoor2
