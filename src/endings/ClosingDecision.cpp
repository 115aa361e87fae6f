#include "endings/ClosingDecision.h"

namespace Velmoor2 {

ClosingDecision DecideEndingGirl()
{
    Integer best = 0;
    Integer highest = 0;
    for (int i : Classmates) {
        if (Love[i] > highest && MetFlag[i] != 0) {
            highest = Love[i];
            best = static_cast<Integer>(i);
        }
    }
    if (highest >= 5)
        return {best, PlayerMyouji + "君…"};
    if (highest >= 3)
        return {8, PlayerNamae + "君！"};
    return {7, PlayerMyouji + "先輩…"};
}

}  // namespace Velmoor2
