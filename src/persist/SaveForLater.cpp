#include "persist/SaveForLater.h"

#include "persist/SaveFile.h"
#include "platform/MessageBox.h"

#include <iostream>

namespace Velmoor2 {

bool SaveForLater()
{
    const SaveResult result = WriteSaveFile(CaptureGameState());
    if (result.ok)
        return true;
    std::cerr << "velmoor2: the game could not be saved: " << result.detail << '\n';
    Platform::ShowMessageBox(result.message, Platform::MbOkExclamation, "Velmoor Episode2");
    return false;
}

}  // namespace Velmoor2
