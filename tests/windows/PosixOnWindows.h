#pragma once
// The few POSIX calls the shared tests make to keep their folders and settings apart, over the
// C runtime of Windows: forced into the shared test sources of the Windows test program.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <direct.h>
#include <unistd.h>

inline int setenv(const char* name, const char* value, int overwrite)
{
    if (!overwrite && std::getenv(name))
        return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

// An empty value removes the variable on Windows.
inline int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }

inline char* mkdtemp(char* pattern)
{
    if (_mktemp_s(pattern, std::strlen(pattern) + 1) != 0 || _mkdir(pattern) != 0)
        return nullptr;
    return pattern;
}
