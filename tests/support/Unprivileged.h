#pragma once
// Folder modes do not hold back root: checks on read-only folders run as the unprivileged
// "nobody" user when the tests run as root. Such folders must let others in (mode 0555).
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

inline constexpr std::filesystem::perms ReadOnlyForAll = std::filesystem::perms::owner_read
    | std::filesystem::perms::owner_exec | std::filesystem::perms::group_read | std::filesystem::perms::group_exec
    | std::filesystem::perms::others_read | std::filesystem::perms::others_exec;

// Gives up root for good; false when that failed. Without root there is nothing to give up.
inline bool BecomeUnprivilegedUser()
{
    constexpr uid_t Nobody = 65534;
    return ::geteuid() != 0 || (::setgid(Nobody) == 0 && ::setuid(Nobody) == 0);
}

// Runs the check in a child process as the unprivileged user; true when it passed there.
inline bool PassesAsUnprivilegedUser(const std::function<void()>& check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (!BecomeUnprivilegedUser())
            ::_exit(2);
        check();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
