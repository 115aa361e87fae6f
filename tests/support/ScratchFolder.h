#pragma once
// A fresh folder under the test temp directory that becomes the current directory for one test,
// as the game reads and writes its files in the current directory; it is removed afterwards.
#include "support/CurrentFolder.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <cstdlib>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = testing::TempDir() + "velmoor-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no scratch folder";
        path_ = pattern;
        current_ = std::make_unique<CurrentFolder>(path_);
    }
    ~ScratchFolder()
    {
        current_.reset();
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
    }

private:
    std::string path_;
    std::unique_ptr<CurrentFolder> current_;
};
