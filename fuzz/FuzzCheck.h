#pragma once
// What a fuzz target asserts about the game's readers. A broken promise aborts, so libFuzzer
// keeps the input that broke it and the replay test fails on it.
#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
