#pragma once
// Who calls out at the gate: the met classmate with the highest affection if it reaches 5,
// otherwise the childhood friend (3 or 4) or the younger student (2 or less).
#include "core/GameState.h"

#include <string>

namespace Velmoor2 {

struct ClosingDecision {
    Integer girl;
    std::string callText;
};

ClosingDecision DecideEndingGirl();

}  // namespace Velmoor2
