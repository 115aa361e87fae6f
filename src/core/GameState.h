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
// Every variable the screens share, with the value a fresh run starts with. One game per run:
// the game never resets it; tests that play many games assign a fresh one (State = {}).
struct GameState {
    Integer ClickFlag = False;
    Integer GameMinute = 0;
    std::array<Integer, LastClassmate + 1> Love{};
    std::array<Integer, LastClassmate + 1> MetFlag{};
    Integer TargetGirl = 0;
    std::string PlayerNamae;
    std::string PlayerMyouji;
    std::array<Integer, 6> ReplyCodes{};
    std::string TalkKey;
    Integer ArrivalMinute = 0;
    Integer Destination = 0;
    Integer CallCount = 0;
    Integer EndingGirl = 0;
    std::string SceneMidi;
    Integer SerifTop = 0;
    Phase GamePhase = NoGameYet;
    Integer CurrentPlace = 0;
};
inline GameState State;

// The names the screens use, each the one variable in State.
inline Integer& ClickFlag = State.ClickFlag;
inline Integer& GameMinute = State.GameMinute;
inline std::array<Integer, LastClassmate + 1>& Love = State.Love;
inline std::array<Integer, LastClassmate + 1>& MetFlag = State.MetFlag;
inline Integer& TargetGirl = State.TargetGirl;
inline std::string& PlayerNamae = State.PlayerNamae;
inline std::string& PlayerMyouji = State.PlayerMyouji;
inline std::array<Integer, 6>& ReplyCodes = State.ReplyCodes;
inline std::string& TalkKey = State.TalkKey;
inline Integer& ArrivalMinute = State.ArrivalMinute;
inline Integer& Destination = State.Destination;
inline Integer& CallCount = State.CallCount;
inline Integer& EndingGirl = State.EndingGirl;
inline std::string& SceneMidi = State.SceneMidi;
inline Integer& SerifTop = State.SerifTop;
inline Phase& GamePhase = State.GamePhase;
inline Integer& CurrentPlace = State.CurrentPlace;

// The clock text for a game minute: "4:30 PM" to "4:59 PM", then "5:00 PM".
std::string ClockText(int gameMinute);

}  // namespace Velmoor2
