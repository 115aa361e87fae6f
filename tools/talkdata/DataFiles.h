#pragma once
// The three conversation data files in the form the game reads: Shift-JIS, CRLF, one field a line.
#include "TalkSource.h"

#include <string>

// Writes VelKCode.dat, VelKaiwa.dat and VelResp.dat into `directory`; false with `problem` set
// if a text has no Shift-JIS form or a file cannot be written.
bool WriteDataFiles(const TalkSource& source, const std::string& directory, std::string& problem);
