#include "platform/DataFiles.h"

#include <filesystem>
#include <vector>

namespace Platform {
namespace {

namespace fs = std::filesystem;

// The folder of the running program; empty when the system does not say.
fs::path ProgramFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

// The game's data lie beside the program in a build (build/game), and in the shared data folder
// of an installed game (/usr/lib/games/velmoor2 -> /usr/share/games/velmoor2).
const std::vector<fs::path>& DataFolders()
{
    static const std::vector<fs::path> folders = [] {
        const fs::path program = ProgramFolder();
        if (program.empty())
            return std::vector<fs::path>();
        return std::vector<fs::path>{program, program / ".." / ".." / "share" / "games" / "velmoor2"};
    }();
    return folders;
}

bool IsFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::optional<std::string> FindDataFile(const std::string& name)
{
    if (IsFile(name))
        return name;
    for (const fs::path& folder : DataFolders())
        if (IsFile(folder / name))
            return (folder / name).lexically_normal().string();
    return std::nullopt;
}

}  // namespace Platform
