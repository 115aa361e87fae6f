#pragma once
// The fixed narration lines of play, in the game's words.
#include <string_view>

namespace Velmoor2 {

inline constexpr std::string_view EmptyPlaceNarration =
    "誰もいないようだ。しばらく待ってみようか、それとも別の場所へ行こうか。";
inline constexpr std::string_view IgnoredHeroineLeaves =
    "黙ったままでいたら、彼女は小さくため息をついて行ってしまった。";
inline constexpr std::string_view HeroineLeavesOnErrand =
    "彼女は「あ、用事があったんだ」と言って、どこかへ行ってしまった。";
inline constexpr std::string_view ClickPrompt = "クリックしてください";

}  // namespace Velmoor2
