#include "platform/Log.h"

#include <cstdio>

namespace Platform {

void WriteLogLine(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

}  // namespace Platform
