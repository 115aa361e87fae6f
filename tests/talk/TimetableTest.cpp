// The afternoon's timetable as the design gives it, written out here on its own: who is met at
// which place and minute, on arrival (set A) and while the player waits (set B).
#include "support/PlayingGame.h"
#include "talk/EncounterTable.h"
#include "talk/Encounters.h"

#include <map>
#include <sstream>

using namespace Velmoor2;

namespace {

// Window, place, heroine, picture code, set A id, set B id ("-" for none).
constexpr const char* DesignTimetable = R"(
W1 1 2 C212C 12A -
W2 1 5 C215C 15A 15B
W2 2 2 C222C 22A 22B
W2 3 1 C231C 31A 31B
W2 4 3 C243C 43A 43B
W2 7 6 C276C 76A 76B
W3 2 5 C225C 25A 25B
W3 3 1 C231C 31A 31B
W3 4 3 C243C 43A 43B
W3 5 4 C254C 54A 54B
W3 6 6 C266C 66A 66B
W3 7 2 C272C 72A 72B
W4 1 1 C211C 11A 11B
W4 2 6 C226C 26A 26B
W4 3 3 C233C 33A 33B
W4 4 5 C245C 45A 45B
W4 5 4 C254C 54A 54B
W4 7 2 C272C 72A 72B
W5 2 6 C226C 26A 26B
W5 5 4 C254C 54A 54B
W5 6 3 C263C 63A 63B
W5 7 5 C275C 75A 75B
W6 2 4 C224C 24A 24B
W6 5 1 C251C 51A 51B
)";

// The window of each arrival minute, and of each minute at which a girl may come by.
const std::map<int, int> ArrivalMinutes = {{3, 1},  {4, 1},  {6, 2},  {7, 2},  {8, 2},  {11, 3},
                                           {12, 3}, {13, 3}, {16, 4}, {17, 4}, {18, 4}, {21, 5},
                                           {22, 5}, {23, 5}, {26, 6}, {27, 6}, {28, 6}};
const std::map<int, int> ComingByMinutes = {{6, 2}, {11, 3}, {16, 4}, {21, 5}, {26, 6}};

struct Row {
    int heroine;
    std::string code, idA, idB;
};

std::map<std::pair<int, int>, Row> DesignRows()
{
    std::map<std::pair<int, int>, Row> rows;
    std::istringstream lines(DesignTimetable);
    std::string window;
    int place = 0;
    Row row;
    while (lines >> window >> place >> row.heroine >> row.code >> row.idA >> row.idB)
        rows[{window[1] - '0', place}] = row;
    return rows;
}

class Timetable : public PlayingGame {
protected:
    // What one meeting leaves: the conversation opened (empty when nobody came).
    std::string Meet(int minute, int place, void (*meet)())
    {
        MetFlag = {};
        TalkKey.clear();
        GameMinute = static_cast<Integer>(minute);
        CurrentPlace = static_cast<Integer>(place);
        GamePhase = meet == MeetOnArrival ? Walking : FreeAtPlace;
        meet();
        const std::string opened = TalkKey;
        TheReplyDialog.Unload();
        return opened;
    }
};

}  // namespace

TEST_F(Timetable, EveryPlaceAndMinuteMeetsWhomTheDesignSays)
{
    const auto rows = DesignRows();
    ASSERT_EQ(rows.size(), 24u);
    for (int place = 1; place <= 7; ++place) {
        for (int minute = 0; minute < 30; ++minute) {
            std::string onArrival, comingBy;
            if (ArrivalMinutes.count(minute)) {
                const auto row = rows.find({ArrivalMinutes.at(minute), place});
                onArrival = row == rows.end() ? "" : row->second.idA;
                EXPECT_EQ(Meet(minute, place, MeetOnArrival), onArrival) << "arriving at " << place << ", " << minute;
                if (row == rows.end()) {
                    EXPECT_EQ(GamePhase, FreeAtPlace);
                }
            }
            if (ComingByMinutes.count(minute)) {
                const auto row = rows.find({ComingByMinutes.at(minute), place});
                comingBy = row == rows.end() ? "" : row->second.idB;
            }
            EXPECT_EQ(Meet(minute, place, MeetWhileWaiting), comingBy) << "waiting at " << place << ", " << minute;
        }
    }
    for (const auto& [where, row] : rows) {
        const auto encounter = EncounterAt(where.first, where.second);
        ASSERT_TRUE(encounter) << where.first << " " << where.second;
        EXPECT_EQ(encounter->heroine, row.heroine);
        EXPECT_EQ(encounter->pictureCode, row.code);
    }
}

TEST_F(Timetable, AGirlAlreadyMetIsNotMetAgain)
{
    for (void (*meet)() : {MeetOnArrival, MeetWhileWaiting}) {
        MetFlag = {};
        MetFlag[4] = 1;
        TalkKey.clear();
        GameMinute = 26;
        CurrentPlace = 2;
        GamePhase = meet == MeetOnArrival ? Walking : FreeAtPlace;
        meet();
        EXPECT_TRUE(TalkKey.empty());
        EXPECT_FALSE(TheReplyDialog.IsLoaded());
    }
}
