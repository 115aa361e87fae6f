#include "talk/EncounterTable.h"

#include <array>

namespace Velmoor2 {
namespace {

struct Row {
    int window;
    int place;
    int heroine;
};

constexpr std::array<Row, 24> Timetable{{
    {1, 1, 2}, {2, 1, 5}, {2, 2, 2}, {2, 3, 1}, {2, 4, 3}, {2, 7, 6}, {3, 2, 5}, {3, 3, 1},
    {3, 4, 3}, {3, 5, 4}, {3, 6, 6}, {3, 7, 2}, {4, 1, 1}, {4, 2, 6}, {4, 3, 3}, {4, 4, 5},
    {4, 5, 4}, {4, 7, 2}, {5, 2, 6}, {5, 5, 4}, {5, 6, 3}, {5, 7, 5}, {6, 2, 4}, {6, 5, 1},
}};

}  // namespace

int ArrivalWindow(int minute)
{
    if (minute == 3 || minute == 4)
        return 1;
    if (minute >= 6 && minute <= 28 && minute % 5 >= 1 && minute % 5 <= 3)
        return minute / 5 + 1;
    return 0;
}

int ComingByWindow(int minute)
{
    if (minute >= 6 && minute <= 26 && minute % 5 == 1)
        return minute / 5 + 1;
    return 0;
}

std::optional<Encounter> EncounterAt(int window, int place)
{
    for (const Row& row : Timetable) {
        if (row.window != window || row.place != place)
            continue;
        const std::string digits = std::to_string(place) + std::to_string(row.heroine);
        return Encounter{row.heroine, "C2" + digits + "C", digits + "A", window == 1 ? "" : digits + "B"};
    }
    return std::nullopt;
}

}  // namespace Velmoor2
