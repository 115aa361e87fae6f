#include "platform/Log.h"

#include <cstdio>

namespace Platform {

// A program without a console has no standard error unless it was started with one redirected
// (a test, Wine in a terminal); the line is lost otherwise, as the design allows.
void WriteLogLine(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

}  // namespace Platform
