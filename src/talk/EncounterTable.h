#pragma once
// The classmates' timetable: who is at which place in each window of the afternoon.
#include <optional>
#include <string>

namespace Velmoor2 {

struct Encounter {
    int heroine;
    std::string pictureCode;  // "C2" + place + heroine + "C"
    std::string idA;          // met on arrival
    std::string idB;          // she came by while the player waited
};

// The window (1..6) whose arrival minutes hold the minute; 0 when none.
int ArrivalWindow(int minute);
// The window (2..6) that begins at this minute, when she may come by; 0 when none.
int ComingByWindow(int minute);
std::optional<Encounter> EncounterAt(int window, int place);

}  // namespace Velmoor2
