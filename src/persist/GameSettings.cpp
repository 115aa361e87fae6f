#include "persist/GameSettings.h"

#include "platform/SettingsFile.h"

namespace Velmoor2 {

std::string GetGameSetting(const std::string& key)
{
    return Platform::GetSetting(SettingsApplicationName, SettingsSectionName, key);
}

namespace {

std::string WhereSettingsLive()
{
    const std::string path = Platform::SettingsFilePath(SettingsApplicationName);
    return path.empty() ? "no configuration folder is known" : path;
}

}  // namespace

Outcome<> SaveGameSetting(const std::string& key, const std::string& value)
{
    if (Platform::SaveSetting(SettingsApplicationName, SettingsSectionName, key, value))
        return {};
    return Problem{"", "the setting " + key + " could not be stored: " + WhereSettingsLive()};
}

Outcome<> EraseGameSettings()
{
    if (Platform::DeleteSettingSection(SettingsApplicationName, SettingsSectionName))
        return {};
    return Problem{"", "the clear records could not be erased: " + WhereSettingsLive()};
}

}  // namespace Velmoor2
