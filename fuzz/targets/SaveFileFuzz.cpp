// The save file parser over any bytes: it answers with a game or a defect that says where, and a
// game it accepts is written and read back unchanged.
#include "FuzzCheck.h"
#include "persist/SaveFileFormat.h"

#include <cstdint>
#include <string_view>

using namespace Velmoor2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParsedSaveFile parsed = ParseSaveFile(bytes);
    if (parsed.defect != SaveFileDefect::None) {
        Require(!parsed.detail.empty(), "a refused save says why");
        Require(parsed.game == SavedGame{}, "a refused save loads nothing");
        return 0;
    }
    const SavedGame& game = parsed.game;
    for (int h = 1; h <= 6; ++h)
        Require(game.metFlag[h] == 0 || game.metFlag[h] == 1, "met flags are 0 or 1");
    Require(game.targetGirl >= 1 && game.targetGirl <= 6, "the album pick is a heroine");
    Require(game.currentPlace >= 1 && game.currentPlace <= 7, "the place is one of seven");
    Require(game.gameMinute >= 0, "the clock is not negative");
    const std::optional<std::string> written = EncodeSaveFile(game);
    Require(written.has_value(), "an accepted save can be written again");
    const ParsedSaveFile again = ParseSaveFile(*written);
    Require(again.defect == SaveFileDefect::None, "a written save reads back");
    Require(again.game == game, "a written save reads back unchanged");
    return 0;
}
