#include "persist/SaveForLater.h"

#include "core/Report.h"
#include "persist/SaveFile.h"

namespace Velmoor2 {

bool SaveForLater()
{
    const Outcome<> saved = WriteSaveFile(CaptureGameState());
    if (!saved)
        ReportProblem(saved.Failure());
    return saved.Ok();
}

}  // namespace Velmoor2
