#include "platform/SettingsFile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {
namespace {

std::string& DirectoryOverride()
{
    static std::string directory;
    return directory;
}

// The XDG convention: an absolute XDG_CONFIG_HOME, otherwise ~/.config.
std::string UserConfigDirectory()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
        return std::string(user->pw_dir) + "/.config";
    return {};
}

std::string ConfigDirectory() { return DirectoryOverride().empty() ? UserConfigDirectory() : DirectoryOverride(); }

// The name of an existing entry of the directory that matches ignoring case, else the name.
std::string SpellingOnDisk(const std::string& directory, const std::string& name)
{
    DIR* listing = ::opendir(directory.c_str());
    if (!listing)
        return name;
    std::string found = name;
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name == name) {
            found = name;
            break;
        }
        if (SameNameIgnoringCase(entry->d_name, name))
            found = entry->d_name;
    }
    ::closedir(listing);
    return found;
}

Outcome<> MakeDirectories(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return Problem{"", "create folder " + part + ": " + std::strerror(errno)};
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return Problem{"", path + " is not a folder"};
    return {};
}

bool IsUsableApplicationName(const std::string& application)
{
    return IsUsableSettingsName(application) && application.find('/') == std::string::npos && application != "."
        && application != "..";
}

SettingsSection* FindSection(SettingsDocument& document, std::string_view name)
{
    const auto found = std::find_if(document.begin(), document.end(),
                                    [&](const SettingsSection& s) { return SameNameIgnoringCase(s.name, name); });
    return found == document.end() ? nullptr : &*found;
}

SettingsEntry* FindEntry(SettingsSection& section, std::string_view key)
{
    const auto found = std::find_if(section.entries.begin(), section.entries.end(),
                                    [&](const SettingsEntry& e) { return SameNameIgnoringCase(e.key, key); });
    return found == section.entries.end() ? nullptr : &*found;
}

// A settings file that is not there yet reads as empty.
Outcome<SettingsDocument> LoadDocument(const std::string& path)
{
    if (path.empty())
        return Problem{"", "no configuration folder is known"};
    Outcome<std::optional<std::string>> file = ReadWholeFile(path);
    if (!file)
        return file.Failure();
    return file.Get() ? ParseSettingsText(*file.Get()) : SettingsDocument{};
}

Outcome<> StoreDocument(const std::string& path, const SettingsDocument& document)
{
    const std::string directory = path.substr(0, path.rfind('/'));
    if (Outcome<> made = MakeDirectories(directory); !made)
        return made;
    return WriteFileAtomically(path, FormatSettingsText(document));
}

}  // namespace

void OverrideSettingsDirectory(std::string directory) { DirectoryOverride() = std::move(directory); }

std::string SettingsFilePath(const std::string& application)
{
    const std::string base = ConfigDirectory();
    if (base.empty() || !IsUsableApplicationName(application))
        return {};
    const std::string folder = base + '/' + SpellingOnDisk(base, application);
    return folder + '/' + SpellingOnDisk(folder, application + ".ini");
}

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key)
{
    Outcome<SettingsDocument> loaded = LoadDocument(SettingsFilePath(application));
    if (!loaded)
        return {};
    SettingsDocument document = std::move(loaded).Get();
    SettingsSection* found = FindSection(document, section);
    const SettingsEntry* entry = found ? FindEntry(*found, key) : nullptr;
    return entry ? entry->value : std::string{};
}

Outcome<> SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value)
{
    if (!IsUsableSettingsName(section) || !IsUsableSettingsName(key))
        return Problem{"", "not a usable section or key name: [" + section + "] " + key};
    const std::string path = SettingsFilePath(application);
    Outcome<SettingsDocument> loaded = LoadDocument(path);
    if (!loaded)
        return loaded.Failure();
    SettingsDocument document = std::move(loaded).Get();
    SettingsSection* target = FindSection(document, section);
    if (!target)
        target = &document.emplace_back(SettingsSection{section, {}});
    if (SettingsEntry* entry = FindEntry(*target, key))
        entry->value = value;
    else
        target->entries.push_back({key, value});
    return StoreDocument(path, document);
}

Outcome<> DeleteSettingSection(const std::string& application, const std::string& section)
{
    const std::string path = SettingsFilePath(application);
    Outcome<SettingsDocument> loaded = LoadDocument(path);
    if (!loaded)
        return loaded.Failure();
    SettingsDocument document = std::move(loaded).Get();
    const auto removed =
        std::erase_if(document, [&](const SettingsSection& s) { return SameNameIgnoringCase(s.name, section); });
    if (removed == 0)
        return {};
    return StoreDocument(path, document);
}

}  // namespace Platform
