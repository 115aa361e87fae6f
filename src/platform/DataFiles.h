#pragma once
// Where the game finds the files it reads by their bare names (pictures, songs, sounds,
// conversations): first in the player's folder, the current directory, where the save is
// written too; then in the game's own read-only data folder, found from where the program stands.
#include <optional>
#include <string>

namespace Platform {

// The path to open, or no value when neither folder holds the file.
std::optional<std::string> FindDataFile(const std::string& name);

}  // namespace Platform
