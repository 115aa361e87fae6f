#pragma once
// A fresh folder under the test temp directory that becomes the current directory for one test,
// as the game reads and writes its files in the current directory.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = testing::TempDir() + "velmoor-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr || ::getcwd(home_, sizeof home_) == nullptr ||
            ::chdir(pattern.c_str()) != 0)
            ADD_FAILURE() << "no scratch folder";
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        if (::chdir(home_) != 0)
            ADD_FAILURE() << "cannot return from the scratch folder";
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
    }

private:
    char home_[4096] = {};
    std::string path_;
};
