#pragma once
// The three conversation files of the game (platform/DataFiles), looked up as the game reads them:
// the ten reply codes of a conversation, a reply's caption, and her response to it. Every
// failure comes back as a problem that names the file and what is missing.
#include "core/GameState.h"
#include "core/Outcome.h"

#include <array>
#include <string>

namespace Velmoor2 {

struct Response {
    std::string text;
    Integer change;
};

Outcome<std::array<Integer, 10>> ReplyCodesOf(const std::string& id);
Outcome<std::string> ReplyCaption(Integer code);
Outcome<Response> ResponseTo(const std::string& id, Integer code);

// The first "ＸＸＸ" of a text becomes the player's family name.
std::string ReplaceNamePlaceholder(std::string text, const std::string& myouji);

}  // namespace Velmoor2
