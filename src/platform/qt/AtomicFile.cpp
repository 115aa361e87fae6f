#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
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

// A settings file kept by a dotfile manager is a link into the player's own folder of dotfiles:
// the write goes to the file the link points to, so the link stays and the target gets the text.
std::string FileBehindLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) == target.size())
            return path;
        target.resize(static_cast<size_t>(length));
        path = target.front() == '/' ? target : DirectoryOf(path) + '/' + target;
    }
    return path;
}

constexpr int TemporarySuffixLength = 6;
// A writer at work renames its temporary within moments; one this old was left by a writer that
// was stopped (a power cut, a kill).
constexpr time_t StaleAfterSeconds = 60;

// Stopped writers' temporaries are cleared whenever the file is next read, written or deleted,
// so they do not pile up in the player's folder even when no save ever follows.
void RemoveStaleTemporaries(const std::string& path)
{
    const std::string prefix = BaseNameOf(path) + ".tmp.";
    DIR* folder = ::opendir(DirectoryOf(path).c_str());
    if (!folder)
        return;
    const time_t staleBefore = ::time(nullptr) - StaleAfterSeconds;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        struct stat info {};
        if (name.size() == prefix.size() + TemporarySuffixLength && name.substr(0, prefix.size()) == prefix
            && ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_mtime < staleBefore)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// A new temporary beside `path`, created with mode 0666 so that the kernel applies the player's
// umask as to any program's files; the process's umask is never touched, since another thread
// may be creating a file at the same moment.
int CreateTemporary(const std::string& path, std::string& temporary)
{
    static constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[TemporarySuffixLength] = {};
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            return -1;
        temporary = path + ".tmp.";
        for (const unsigned char r : random)
            temporary += Letters[r % Letters.size()];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

Outcome<> WriteFileAtomically(const std::string& link, std::string_view bytes)
{
    const std::string path = FileBehindLinks(link);
    RemoveStaleTemporaries(path);
    std::string temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0)
        return Failure("create", path + ".tmp", errno);
    const auto abandon = [&](const std::string& step, int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(step, temporary, error);
    };
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
    RemoveStaleTemporaries(FileBehindLinks(path));
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
    RemoveStaleTemporaries(FileBehindLinks(path));
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return {};
    return Failure("delete", path, errno);
}

}  // namespace Platform
