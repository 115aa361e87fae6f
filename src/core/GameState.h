#pragma once

#include <array>
#include <cstdint>
#include <string>

// The state that every screen of the game shares. One game per run: the game never resets it.
namespace Velmoor2 {

using Integer = std::int16_t;

constexpr Integer True = -1;
constexpr Integer False = 0;

// What the player is doing; the clock and the place buttons read it.
enum Phase : Integer {
    NoGameYet = 0,
    Walking = 1,
    Conversation = 2,
    FreeAtPlace = 3,
    OnThePhone = 4,
    ClosingTimePhase = 5,
};

// Heroines 1 to 6 are the classmates: the album's girls, met during play, the only ones with
// Love and MetFlag entries. Heroines 7 and 8 appear only at closing time.
constexpr int FirstClassmate = 1;
constexpr int LastClassmate = 6;
// A plain array rather than a ranges view: clang 14, which builds the fuzz targets, cannot
// compile the standard library's views.
inline constexpr auto Classmates = [] {
    std::array<int, LastClassmate - FirstClassmate + 1> girls{};
    for (size_t i = 0; i < girls.size(); ++i)
        girls[i] = FirstClassmate + static_cast<int>(i);
    return girls;
}();
constexpr bool IsClassmate(int heroine) { return heroine >= FirstClassmate && heroine <= LastClassmate; }

// The line break of every two-line text: message boxes and labels.
inline const std::string CrLf = "\r\n";
inline Integer ClickFlag = False;
inline Integer GameMinute = 0;
inline std::array<Integer, LastClassmate + 1> Love{};
inline std::array<Integer, LastClassmate + 1> MetFlag{};
inline Integer TargetGirl = 0;
inline std::string PlayerNamae;
inline std::string PlayerMyouji;
inline std::array<Integer, 6> ReplyCodes{};
inline std::string TalkKey;
inline Integer ArrivalMinute = 0;
inline Integer Destination = 0;
inline Integer CallCount = 0;
inline Integer EndingGirl = 0;
inline std::string SceneMidi;
inline Integer SerifTop = 0;
inline Integer GamePhase = NoGameYet;
inline Integer CurrentPlace = 0;

// Every shared variable, the music module's two among them, back to what a fresh run starts
// with. The game never needs it (a run plays one game); tests that play many games do.
void ResetGameState();

// The clock text for a game minute: "4:30 PM" to "4:59 PM", then "5:00 PM".
std::string ClockText(int gameMinute);

}  // namespace Velmoor2
