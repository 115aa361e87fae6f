#pragma once
// The afternoon as a map of moves: who the player meets when the clock reaches a minute, and
// the route that ends the day with the fewest unwanted meetings. Walking, arrivals and
// coming-by follow the main screen's clock. The balance simulation and the scripted player of
// the whole-game tests plan with it.
#include "scene/Places.h"
#include "talk/EncounterTable.h"

#include <bit>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

// Who the player meets when the clock reaches `minute`: arriving (walked) or waiting.
inline std::optional<Velmoor2::Encounter> MeetingAt(int minute, int place, bool arrived, unsigned metMask)
{
    using namespace Velmoor2;
    const int window = arrived ? ArrivalWindow(minute) : ComingByWindow(minute);
    auto row = window ? EncounterAt(window, place) : std::nullopt;
    if (!row || (metMask >> row->heroine & 1))
        return std::nullopt;
    return row;
}

// At each free minute: stay (0) or walk to a place.
using Policy = std::function<int(int minute, int place, unsigned metMask)>;

// The moves that meet `girl` (0: nobody at all) with as few other girls as possible, over
// every (minute, place, met) state of the afternoon.
class RoutePlanner {
public:
    explicit RoutePlanner(int girl)
        : girl_(girl)
    {}

    int Destination(int minute, int place, unsigned met) { return Solve(minute, place, met).destination; }
    Policy AsPolicy()
    {
        return [this](int minute, int place, unsigned met) { return Destination(minute, place, met); };
    }

private:
    struct Best {
        int cost = 1000;
        int destination = 0;
    };

    int Cost(unsigned met) const
    {
        if (girl_ == 0)
            return std::popcount(met);
        return met >> girl_ & 1 ? std::popcount(met) - 1 : 1000;
    }

    Best Solve(int minute, int place, unsigned met)
    {
        using namespace Velmoor2;
        const auto key = std::tuple{minute, place, met};
        if (auto found = memo_.find(key); found != memo_.end())
            return found->second;
        Best best;
        bool canMove = false;
        for (int destination = 0; destination <= PlaceCount; ++destination) {
            const bool walking = destination != 0 && AreNeighbours(place, destination);
            if (destination != 0 && !walking)
                continue;
            const int next = walking ? minute + WalkingMinutes(place, destination) : minute + 1;
            if (next >= 30)
                continue;
            canMove = true;
            const int there = walking ? destination : place;
            unsigned after = met;
            if (auto row = MeetingAt(next, there, walking, met))
                after |= 1u << row->heroine;
            if (Best option = Solve(next, there, after); option.cost < best.cost)
                best = {option.cost, destination};
        }
        if (!canMove)  // five o'clock: the day is scored by who was met
            best = {Cost(met), 0};
        return memo_[key] = best;
    }

    int girl_;
    std::map<std::tuple<int, int, unsigned>, Best> memo_;
};
