#pragma once
// The part of the game state that an interrupted game keeps: the player's names, the clock,
// the six classmates' affection and met flags, the album pick and the current place.
#include "core/GameState.h"

#include <array>
#include <string>

namespace Velmoor2 {

struct SavedGame {
    std::string myouji;  // PlayerMyouji
    std::string namae;   // PlayerNamae
    Integer gameMinute = 0;
    std::array<Integer, LastClassmate + 1> love{};     // element 0 is not kept
    std::array<Integer, LastClassmate + 1> metFlag{};  // element 0 is not kept
    Integer targetGirl = 0;
    Integer currentPlace = 0;

    bool operator==(const SavedGame&) const = default;
};

SavedGame CaptureGameState();
// Sets the kept variables only; everything else keeps its start value (nobody present, no walk,
// no calls), and the resumed start of play sets the phase.
void ApplyToGameState(const SavedGame& game);

}  // namespace Velmoor2
