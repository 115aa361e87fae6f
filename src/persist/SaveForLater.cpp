#include "persist/SaveForLater.h"

#include "persist/SaveFile.h"
#include "platform/MessageBox.h"

namespace Velmoor2 {

bool SaveForLater()
{
    const SaveResult result = WriteSaveFile(CaptureGameState());
    if (result.ok)
        return true;
    Platform::ShowMessageBox(result.message, Platform::MbOkExclamation, "Velmoor Episode2");
    return false;
}

}  // namespace Velmoor2
