#pragma once
// What the game keeps in the per-user settings store, under application "Corvane", section
// "Velmoor2": the last entered names and the clear record. Keys match without regard to case,
// so "Cstring" finds the record saved as "CString". A missing value reads as empty.
#include "core/Outcome.h"

#include <string>

namespace Velmoor2 {

inline constexpr const char* SettingsApplicationName = "Corvane";
inline constexpr const char* SettingsSectionName = "Velmoor2";
inline constexpr const char* MyoujiKey = "SavedMyouji";
inline constexpr const char* NamaeKey = "SavedNamae";
inline constexpr const char* ClearRecordKey = "CString";
// The start screen asks for the clear record by this spelling, as the game always has; it finds
// the record because keys match without regard to case.
inline constexpr const char* ClearRecordKeyAsAsked = "Cstring";

std::string GetGameSetting(const std::string& key);
// A problem, for the log, when the value could not be stored.
Outcome<> SaveGameSetting(const std::string& key, const std::string& value);
// The data room's erase: both names and the clear record go, or a problem says they could not.
Outcome<> EraseGameSettings();

}  // namespace Velmoor2
