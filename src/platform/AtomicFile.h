#pragma once
// Whole-file reads and writes for the files the game keeps between runs. A write never leaves a
// half-written file behind: a reader, or the next run after a crash or power cut, sees either the
// old file or the new one complete.
#include <string>
#include <string_view>

namespace Platform {

struct FileWriteResult {
    bool ok = false;
    std::string failure;  // which step failed and why, for the log; empty when ok
};

// Writes the bytes to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Every step is checked; on failure the old file is left as it was.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

enum class FileReadStatus { Ok, Missing, Unreadable };

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
    std::string failure;  // for Unreadable: why, for the log
};

FileReadResult ReadWholeFile(const std::string& path);

bool FileExists(const std::string& path);

// True when no file of that name is left afterwards (a file that was not there counts).
bool RemoveFile(const std::string& path);

}  // namespace Platform
