#include "platform/win32/PlayersFolder.h"

#include <objbase.h>
#include <shlobj.h>
#include <string>
#include <windows.h>

namespace Platform {

void EnterPlayersFolder()
{
    wchar_t* localAppData = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &localAppData))) {
        const std::wstring folder = std::wstring(localAppData) + L"\\Velmoor2";
        if (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
            SetCurrentDirectoryW(folder.c_str());
    }
    CoTaskMemFree(localAppData);
}

}  // namespace Platform
