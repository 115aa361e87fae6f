#pragma once
// Inside the Windows platform only: the player's own folder, where the game plays.

namespace Platform {

// Makes %LOCALAPPDATA%\Velmoor2 if needed and makes it the current directory: the save file
// is written there and bare file names are looked for there first. Nothing changes when the
// folder cannot be made (the game then plays where it was started).
void EnterPlayersFolder();

}  // namespace Platform
