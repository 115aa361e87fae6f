#include "platform/DataFiles.h"

#include "platform/win32/Win32Bridge.h"

namespace Platform {
namespace {

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder of the running program, where the installer put the game's data beside it.
std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

}  // namespace

// The player's folder is the current directory (PlayersFolder.cpp enters it at start).
std::optional<std::string> FindDataFile(const std::string& name)
{
    const std::wstring wide = Wide(name);
    if (IsFile(wide))
        return name;
    const std::wstring beside = ProgramFolder() + wide;
    if (IsFile(beside))
        return Narrow(beside);
    return std::nullopt;
}

}  // namespace Platform
