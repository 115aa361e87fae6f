#include "persist/GameSettings.h"

#include "platform/SettingsFile.h"

namespace Velmoor2 {

std::string GetGameSetting(const std::string& key)
{
    return Platform::GetSetting(SettingsApplicationName, SettingsSectionName, key);
}

Outcome<> SaveGameSetting(const std::string& key, const std::string& value)
{
    Outcome<> saved = Platform::SaveSetting(SettingsApplicationName, SettingsSectionName, key, value);
    if (!saved)
        return Problem{"", "the setting " + key + " could not be stored: " + saved.Failure().detail};
    return saved;
}

Outcome<> EraseGameSettings()
{
    Outcome<> erased = Platform::DeleteSettingSection(SettingsApplicationName, SettingsSectionName);
    if (!erased)
        return Problem{"", "the clear records could not be erased: " + erased.Failure().detail};
    return erased;
}

}  // namespace Velmoor2
