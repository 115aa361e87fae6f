#include "persist/GameSettings.h"

#include "platform/SettingsFile.h"

namespace Velmoor2 {

std::string GetGameSetting(const std::string& key)
{
    return Platform::GetSetting(SettingsApplicationName, SettingsSectionName, key);
}

bool SaveGameSetting(const std::string& key, const std::string& value)
{
    return Platform::SaveSetting(SettingsApplicationName, SettingsSectionName, key, value);
}

bool EraseGameSettings()
{
    return Platform::DeleteSettingSection(SettingsApplicationName, SettingsSectionName);
}

}  // namespace Velmoor2
