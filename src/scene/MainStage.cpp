#include "scene/MainStage.h"

#include "core/Report.h"

#include <cstdlib>

namespace Velmoor2 {
namespace {

MainStageSource source{};

// Every program that plays lends the main screen before the first scene; a scene without one is
// a fault in the program, not something a player can cause.
const MainStageSource& Lent()
{
    if (source.open == nullptr) {
        LogProblem({"", "a scene was shown before the main screen was lent"});
        std::abort();
    }
    return source;
}

}  // namespace

void LendMainStage(MainStageSource lent) { source = lent; }

MainStage& TheMainStage() { return Lent().open(); }

bool MainStageIsOpen() { return Lent().isOpen(); }

void CloseMainStage() { Lent().close(); }

}  // namespace Velmoor2
