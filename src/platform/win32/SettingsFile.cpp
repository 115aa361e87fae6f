#include "platform/SettingsFile.h"

#include "platform/SettingsText.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {
namespace {

// Where every program of our kind keeps its settings on Windows:
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<Application>\<Section>, value <Key>.
// Windows matches key and value names without regard to case.
constexpr wchar_t PlayersRoot[] = L"Software\\VB and VBA Program Settings";
// Tests keep theirs apart, one key per scratch folder, removed when the override ends.
constexpr wchar_t TestsRoot[] = L"Software\\Corvane test settings";

std::wstring& OverrideKey()
{
    static std::wstring key;
    return key;
}

std::wstring Root() { return OverrideKey().empty() ? PlayersRoot : OverrideKey(); }

// A registry name holds no backslash; the other rules are those of every settings name.
bool UsableKeyName(const std::string& name)
{
    return IsUsableSettingsName(name) && name.find('\\') == std::string::npos;
}

std::wstring SectionKey(const std::string& application, const std::string& section)
{
    return Root() + L'\\' + Wide(application) + L'\\' + Wide(section);
}

std::string SystemText(LSTATUS status)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = text ? Narrow(text) : "error " + std::to_string(status);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

Problem Failure(const std::string& step, const std::wstring& key, LSTATUS status)
{
    return {"", step + " HKEY_CURRENT_USER\\" + Narrow(key) + ": " + SystemText(status)};
}

}  // namespace

void OverrideSettingsDirectory(std::string directory)
{
    if (!OverrideKey().empty())
        RegDeleteTreeW(HKEY_CURRENT_USER, OverrideKey().c_str());
    std::wstring key;
    if (!directory.empty()) {
        // The folder's path as one key name.
        key = std::wstring(TestsRoot) + L'\\' + Wide(directory);
        for (size_t i = std::char_traits<wchar_t>::length(TestsRoot) + 1; i < key.size(); ++i)
            if (key[i] == L'\\' || key[i] == L'/' || key[i] == L':')
                key[i] = L'_';
    }
    OverrideKey() = std::move(key);
}

std::string SettingsFilePath(const std::string& application)
{
    if (!UsableKeyName(application))
        return {};
    return "HKEY_CURRENT_USER\\" + Narrow(Root()) + '\\' + application;
}

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key)
{
    if (!UsableKeyName(application) || !UsableKeyName(section) || !IsUsableSettingsName(key))
        return {};
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(application, section).c_str(), 0, KEY_QUERY_VALUE, &opened)
        != ERROR_SUCCESS)
        return {};
    const std::wstring name = Wide(key);
    DWORD type = 0, bytes = 0;
    std::wstring value;
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        value.resize(bytes / sizeof(wchar_t));
        if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes)
            != ERROR_SUCCESS)
            value.clear();
        value.resize(bytes / sizeof(wchar_t));
        if (!value.empty() && value.back() == L'\0')
            value.pop_back();  // the terminator; a NUL inside the value stays
    }
    RegCloseKey(opened);
    return Narrow(value);
}

Outcome<> SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                      const std::string& value)
{
    if (!UsableKeyName(application) || !UsableKeyName(section) || !IsUsableSettingsName(key))
        return Problem{"", "not a usable section or key name: [" + section + "] " + key};
    const std::wstring path = SectionKey(application, section);
    HKEY opened = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS)
        return Failure("create key", path, status);
    const std::wstring data = Wide(value);
    status = RegSetValueExW(opened, Wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS)
        return Failure("set value " + key + " of", path, status);
    return {};
}

Outcome<> DeleteSettingSection(const std::string& application, const std::string& section)
{
    if (!UsableKeyName(application) || !UsableKeyName(section))
        return {};  // no such section can exist
    const std::wstring path = SectionKey(application, section);
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return Failure("delete key", path, status);
    return {};
}

}  // namespace Platform
