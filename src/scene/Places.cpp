#include "scene/Places.h"

namespace Velmoor2 {
namespace {

struct Path {
    int a;
    int b;
    int minutes;
};

// The eight paths, each walkable both ways.
constexpr std::array<Path, 8> Paths{{
    {1, 2, 4},
    {1, 3, 3},
    {1, 4, 2},
    {1, 5, 2},
    {2, 4, 2},
    {3, 7, 1},
    {4, 6, 1},
    {5, 7, 1},
}};

constexpr std::array<std::string_view, PlaceCount> Captions{"校舎Ａ", "校舎Ｂ", "校　庭", "体育館",
                                                            "プール", "コート", "自然園"};

constexpr std::array<std::string_view, PlaceCount> Headers{
    "【校舎Ａ：屋上】", "【校舎Ｂ：美術室】", "【校庭】", "【体育館】", "【プール】", "【テニスコート】", "【自然園】"};

bool IsPlace(int place) { return place >= 1 && place <= PlaceCount; }

}  // namespace

std::string_view PlaceCaption(int place) { return IsPlace(place) ? Captions[place - 1] : ""; }

std::string_view PlaceHeader(int place) { return IsPlace(place) ? Headers[place - 1] : ""; }

int WalkingMinutes(int from, int to)
{
    for (const Path& path : Paths) {
        if ((path.a == from && path.b == to) || (path.a == to && path.b == from))
            return path.minutes;
    }
    return 0;
}

bool AreNeighbours(int from, int to) { return WalkingMinutes(from, to) != 0; }

}  // namespace Velmoor2
