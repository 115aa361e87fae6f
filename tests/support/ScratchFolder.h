#pragma once
// A fresh folder under the test temp directory that becomes the current directory for one test,
// as the game reads and writes its files in the current directory; it is removed afterwards.
#include "support/CurrentFolder.h"
#include "support/SharedScratch.h"

#include <fstream>
#include <memory>
#include <string>

class ScratchFolder {
public:
    ScratchFolder()
        : current_(std::make_unique<CurrentFolder>(folder_.Path()))
    {}
    ~ScratchFolder() { current_.reset(); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return folder_.Path(); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path() + "/" + name, std::ios::binary) << bytes;
    }

private:
    SharedScratch folder_{"VELMOOR_SCRATCH", "velmoor"};
    std::unique_ptr<CurrentFolder> current_;
};
