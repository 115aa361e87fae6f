#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {
namespace {

Problem Failure(const std::string& step, const std::string& path, int error)
{
    return {"", step + " " + path + ": " + std::strerror(error)};
}

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The rename is only durable once the directory entry itself is on disk. File systems that
// cannot sync a directory say EINVAL; the file is in place there all the same.
Outcome<> SyncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Failure("open directory", directory, errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (!synced)
        return Failure("fsync directory", directory, error);
    return {};
}

std::string BaseNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A writer stopped in the middle (a power cut, a kill) leaves its temporary file behind; the
// next write of the same file clears them away, so they do not pile up in the player's folder.
void RemoveStaleTemporaries(const std::string& path)
{
    const std::string directory = DirectoryOf(path);
    const std::string prefix = BaseNameOf(path) + ".tmp.";
    DIR* folder = ::opendir(directory.c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.substr(0, prefix.size()) == prefix)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// The permissions a newly created file gets from the player's umask, as any program's files do.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Outcome<> WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    RemoveStaleTemporaries(path);
    std::string temporary = path + ".tmp.XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Failure("create", temporary, errno);
    const auto abandon = [&](const std::string& step, int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(step, temporary, error);
    };
    // mkostemp makes the file private; a save or settings file is an ordinary user file.
    if (::fchmod(fd, NewFileMode()) != 0)
        return abandon("chmod", errno);
    if (!WriteAll(fd, bytes))
        return abandon("write", errno);
    if (::fsync(fd) != 0)
        return abandon("fsync", errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure("close", temporary, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure("rename onto", path, error);
    }
    return SyncDirectory(DirectoryOf(path));
}

Outcome<std::optional<std::string>> ReadWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::optional<std::string>();
        return Failure("open", path, errno);
    }
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return Failure("read", path, error);
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return std::optional<std::string>(std::move(bytes));
}

bool FileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

Outcome<> RemoveFile(const std::string& path)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return {};
    return Failure("delete", path, errno);
}

}  // namespace Platform
