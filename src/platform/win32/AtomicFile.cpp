#include "platform/AtomicFile.h"

#include "platform/win32/Win32Bridge.h"

namespace Platform {
namespace {

std::string SystemText(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = text ? Narrow(text) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

Problem Failure(const std::string& step, const std::string& path, DWORD error)
{
    return {"", step + " " + path + ": " + SystemText(error)};
}

bool Missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A writer stopped in the middle (a power cut, a kill) leaves its temporary file behind; the
// next write of the same file clears them away, so they do not pile up in the player's folder.
void RemoveStaleTemporaries(const std::wstring& path)
{
    const std::wstring pattern = path + L".tmp.*";
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileW((folder + found.cFileName).c_str());
    while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

Outcome<> WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::wstring target = Wide(path);
    RemoveStaleTemporaries(target);
    const std::wstring temporary = target + L".tmp." + std::to_wstring(GetCurrentProcessId());
    const std::string temporaryName = Narrow(temporary);
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Failure("create", temporaryName, GetLastError());
    const auto abandon = [&](const std::string& step) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return Failure(step, temporaryName, error);
    };
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return abandon("write");
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file))
        return abandon("flush");
    if (!CloseHandle(file)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Failure("close", temporaryName, error);
    }
    // The rename goes through to the disk before the call returns.
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Failure("rename onto", path, error);
    }
    return {};
}

Outcome<std::optional<std::string>> ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (Missing(error))
            return std::optional<std::string>();
        return Failure("open", path, error);
    }
    std::string bytes;
    char buffer[8192];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            return Failure("read", path, error);
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return std::optional<std::string>(std::move(bytes));
}

bool FileExists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

Outcome<> RemoveFile(const std::string& path)
{
    if (DeleteFileW(Wide(path).c_str()))
        return {};
    const DWORD error = GetLastError();
    if (Missing(error))
        return {};
    return Failure("delete", path, error);
}

}  // namespace Platform
