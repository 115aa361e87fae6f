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

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string EscapeValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\0': out += "\\0"; break;
        default: out += c;
        }
    }
    return out;
}

// An unknown escape or a lone backslash at the end is kept as it stands.
std::string UnescapeValue(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[i + 1]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '0': out += '\0'; break;
        default: out += text[i]; continue;
        }
        ++i;
    }
    return out;
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

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsUsableSettingsName(std::string_view name)
{
    if (name.empty() || TrimBlanks(name).size() != name.size())
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20) || c == 0x7f || c == '=' || c == '[' || c == ']';
    });
}

SettingsDocument ParseSettingsText(std::string_view text)
{
    SettingsDocument document;
    SettingsSection* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        const std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::string_view name =
                trimmed.back() == ']' ? TrimBlanks(trimmed.substr(1, trimmed.size() - 2)) : std::string_view{};
            current = nullptr;  // keys under a broken header belong nowhere
            if (!IsUsableSettingsName(name))
                continue;
            current = FindSection(document, name);
            if (!current)
                current = &document.emplace_back(SettingsSection{std::string(name), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        if (!IsUsableSettingsName(key) || FindEntry(*current, key))
            continue;
        current->entries.push_back({std::string(key), UnescapeValue(line.substr(equals + 1))});
    }
    return document;
}

std::string FormatSettingsText(const SettingsDocument& document)
{
    std::string out;
    for (const SettingsSection& section : document) {
        if (section.entries.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += '[' + section.name + "]\n";
        for (const SettingsEntry& entry : section.entries)
            out += entry.key + '=' + EscapeValue(entry.value) + '\n';
    }
    return out;
}

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
