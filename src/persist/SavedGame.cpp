#include "persist/SavedGame.h"

namespace Velmoor2 {

SavedGame CaptureGameState()
{
    SavedGame game;
    game.myouji = PlayerMyouji;
    game.namae = PlayerNamae;
    game.gameMinute = GameMinute;
    for (int h : Classmates) {
        game.love[h] = Love[h];
        game.metFlag[h] = MetFlag[h];
    }
    game.targetGirl = TargetGirl;
    game.currentPlace = CurrentPlace;
    return game;
}

void ApplyToGameState(const SavedGame& game)
{
    PlayerMyouji = game.myouji;
    PlayerNamae = game.namae;
    GameMinute = game.gameMinute;
    for (int h : Classmates) {
        Love[h] = game.love[h];
        MetFlag[h] = game.metFlag[h];
    }
    TargetGirl = game.targetGirl;
    CurrentPlace = game.currentPlace;
}

}  // namespace Velmoor2
