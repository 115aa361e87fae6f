#pragma once
// A folder of the fuzz process's own for the readers that take a file: made on first use,
// removed with everything in it when the process ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class OwnScratchFolder {
public:
    OwnScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    ~OwnScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& ScratchFolder()
{
    static const OwnScratchFolder folder;
    return folder.path();
}

inline void WriteScratchFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        std::abort();
}
