#pragma once
// The three conversation files of the current directory, looked up as the game reads them:
// the ten reply codes of a conversation, a reply's caption, and her response to it. Every
// failure comes back as a message that names the file and what is missing.
#include "core/GameState.h"

#include <array>
#include <string>
#include <variant>

namespace Velmoor2 {

struct TalkError {
    std::string message;
};

struct Response {
    std::string text;
    Integer change;
};

std::variant<std::array<Integer, 10>, TalkError> ReplyCodesOf(const std::string& id);
std::variant<std::string, TalkError> ReplyCaption(Integer code);
std::variant<Response, TalkError> ResponseTo(const std::string& id, Integer code);

// The first "ＸＸＸ" of a text becomes the player's family name.
std::string ReplaceNamePlaceholder(std::string text, const std::string& myouji);

}  // namespace Velmoor2
