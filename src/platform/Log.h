#pragma once
// The program's log: standard error where the system gives one.
#include <string>

namespace Platform {

// Writes the line and a line break.
void WriteLogLine(const std::string& line);

}  // namespace Platform
