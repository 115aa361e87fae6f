#include "persist/DisplaySetting.h"

#include "core/NumericText.h"
#include "persist/GameSettings.h"
#include "platform/SettingsFile.h"

namespace Velmoor2 {

int PlayersWindowScale()
{
    const std::string value = Platform::GetSetting(SettingsApplicationName, DisplaySectionName, ScaleKey);
    const NumberReading scale = ReadNumber(value);
    // Only a whole number counts: "2x" or "1.5" is not a scale the player meant.
    const bool whole = scale.found && value.find_first_not_of(' ', scale.end) == std::string::npos;
    return whole && scale.value >= 1 && scale.value <= 4 ? scale.value : 0;
}

}  // namespace Velmoor2
