#pragma once
// Whole-file reads and writes for the files the game keeps between runs. A write never leaves a
// half-written file behind: a reader, or the next run after a crash or power cut, sees either the
// old file or the new one complete.
#include "platform/Outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// Writes the bytes to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Where `path` is a symbolic link, the file it points to is replaced, in its own folder,
// and the link stays. A new file gets the permissions the player's umask gives. Every step is
// checked; on failure the old file is left as it was, and the problem's detail says which step
// failed and why.
Outcome<> WriteFileAtomically(const std::string& path, std::string_view bytes);

// The file's bytes; no value when there is no such file; a problem when it cannot be read.
Outcome<std::optional<std::string>> ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);

// Succeeds when no file of that name is left afterwards (a file that was not there counts).
Outcome<> RemoveFile(const std::string& path);

// Reading, writing and removing a file each clear the temporaries that writers stopped in the
// middle left beside it (a minute old or more: a writer at work is never disturbed).

}  // namespace Platform
