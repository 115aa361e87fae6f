#pragma once
// The per-user settings store: text values addressed by application, section and key.
// Each application has one small UTF-8 INI file in the user's configuration directory,
//   $XDG_CONFIG_HOME/<Application>/<Application>.ini   (XDG_CONFIG_HOME defaults to ~/.config)
// for example ~/.config/Corvane/Corvane.ini holding a [Velmoor2] section. Application, section and
// key names match without regard to ASCII case; an existing folder or file spelt in another case
// is used as it is. The file's text is kept as the player wrote it (SettingsText): a write
// changes only the lines of the value written or the section removed. A file that is a link (a
// dotfile manager's) stays one: its target gets the new text.
#include "platform/Outcome.h"

#include <string>

namespace Platform {

// The stored value, or the empty string when the file, section or key is absent or unreadable.
std::string GetSetting(const std::string& application, const std::string& section, const std::string& key);
// Creates or replaces the value; the whole file is replaced atomically. A problem says why
// nothing was stored: the file exists but cannot be read, a name is unusable, or the write failed.
Outcome<> SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value);
// Removes the section with all its keys; succeeds when it is gone afterwards.
Outcome<> DeleteSettingSection(const std::string& application, const std::string& section);

// Points the store at another configuration directory (tests use a scratch folder); an empty
// string returns to the user's own directory.
void OverrideSettingsDirectory(std::string directory);
// The file that holds an application's settings; empty when no configuration directory is known.
std::string SettingsFilePath(const std::string& application);

}  // namespace Platform
