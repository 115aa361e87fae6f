// The game's balance: many seeded afternoons played on the shipped conversations, by a player who
// goes after one girl and answers her with the best reply on offer, and by a player who wanders
// and answers at random. Walking, arrivals and coming-by follow the main screen's clock; replies
// are drawn as the game draws them. Prints the rates for the balance notes; fails (exit status 1)
// when the attentive player wins a girl less than 85 % of the time or an ending is never seen.
// Run from the game directory, as ./build.sh bench does: ../velbalance
#include "bench/RoutePlanner.h"
#include "core/GameState.h"
#include "endings/ClosingDecision.h"
#include "scene/Places.h"
#include "talk/ConversationFiles.h"
#include "talk/EncounterTable.h"
#include "talk/ReplyDraw.h"

#include <cstdio>
#include <map>
#include <random>

using namespace Velmoor2;

namespace {

using Changes = std::array<int, 10>;

// Every conversation's ten affection changes, read once through the game's own readers.
std::map<std::string, Changes> ShippedChanges()
{
    std::map<std::string, Changes> all;
    for (int window = 1; window <= 6; ++window)
        for (int place = 1; place <= PlaceCount; ++place)
            if (auto row = EncounterAt(window, place))
                for (const std::string& id : {row->idA, row->idB}) {
                    auto codes = ReplyCodesOf(id);
                    if (!codes.Ok())
                        continue;
                    Changes changes{};
                    for (int i = 0; i < 10; ++i) {
                        auto response = ResponseTo(id, codes.Get()[i]);
                        changes[i] = response.Ok() ? response.Get().change : 0;
                    }
                    all[id] = changes;
                }
    return all;
}

// The conversations a policy leads to, in order, with the set letter the clock gives them.
std::vector<std::string> PlayRoute(const Policy& policy)
{
    std::vector<std::string> ids;
    unsigned met = 0;
    int place = 3;
    for (int minute = 1; minute < 30;) {
        const int destination = policy(minute, place, met);
        const bool walking = destination != 0 && AreNeighbours(place, destination);
        const int next = walking ? minute + WalkingMinutes(place, destination) : minute + 1;
        if (next >= 30)
            break;
        if (walking)
            place = destination;
        if (auto row = MeetingAt(next, place, walking, met)) {
            met |= 1u << row->heroine;
            ids.push_back(walking ? row->idA : row->idB);
        }
        minute = next;
    }
    return ids;
}

// The route that meets `girl` with as few other girls as possible.
std::vector<std::string> RouteTo(int girl)
{
    RoutePlanner planner(girl);
    return PlayRoute(planner.AsPolicy());
}

struct Tally {
    std::array<int, 9> endings{};
    int games = 0;
    double Rate(int girl) const { return 100.0 * endings[girl] / games; }
};

// One game: starting affection 0..4, the album pick costs 2, each conversation answered.
int PlayGame(const std::vector<std::string>& ids, int albumGirl, const std::map<std::string, Changes>& changes,
             std::mt19937& random, bool bestReply)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Love = {};
    MetFlag = {};
    for (int girl : Classmates)
        Love[girl] = static_cast<Integer>(random() % 5);
    Love[albumGirl] = static_cast<Integer>(Love[albumGirl] - 2);
    for (const std::string& id : ids) {
        const int girl = id[1] - '0';
        MetFlag[girl] = 1;
        const std::array<int, 5> offered = DrawFivePositions([&] { return unit(random); });
        int chosen = changes.at(id)[offered[random() % 5] - 1];
        if (bestReply)
            for (int position : offered)
                chosen = std::max(chosen, changes.at(id)[position - 1]);
        Love[girl] = static_cast<Integer>(Love[girl] + chosen);
    }
    return DecideEndingGirl().girl;
}

}  // namespace

int main()
{
    const auto changes = ShippedChanges();
    if (changes.size() != 35) {
        std::printf("%zu of the 35 conversations read: run from the game directory\n", changes.size());
        return 1;
    }
    bool balanced = true;
    constexpr int Games = 2000;
    std::mt19937 random(5);
    for (int girl : Classmates) {
        const std::vector<std::string> route = RouteTo(girl);
        Tally tally;
        for (tally.games = 0; tally.games < Games; ++tally.games)
            ++tally.endings[PlayGame(route, girl, changes, random, true)];
        std::string met;
        for (const std::string& id : route)
            met += id + " ";
        std::printf(
            "attentive player after heroine %d (meets %s): wins %.1f %%, heroine 7 %.1f %%, heroine 8 %.1f %%\n", girl,
            met.c_str(), tally.Rate(girl), tally.Rate(7), tally.Rate(8));
        balanced &= tally.Rate(girl) >= 85.0;
    }
    Tally wanderer;
    for (wanderer.games = 0; wanderer.games < Games * 5; ++wanderer.games) {
        const std::vector<std::string> route = PlayRoute([&](int, int place, unsigned) {
            const int choice = static_cast<int>(random() % (PlaceCount + 1));
            return random() % 2 && AreNeighbours(place, choice) ? choice : 0;
        });
        ++wanderer.endings[PlayGame(route, 1 + int(random() % 6), changes, random, false)];
    }
    std::printf("wandering player, random replies:");
    for (int girl = 1; girl <= 8; ++girl)
        std::printf(" %d: %.1f %%", girl, wanderer.Rate(girl));
    std::printf("\n");
    for (int girl = 1; girl <= 8; ++girl)
        balanced &= wanderer.endings[girl] > 0;
    return balanced ? 0 : 1;
}
