#pragma once
// The game reads and writes its files in the current directory: this makes a folder current
// for as long as it lives, then returns to where the test was.
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path)
    {
        if (::getcwd(home_, sizeof home_) == nullptr || ::chdir(path.c_str()) != 0)
            ADD_FAILURE() << "cannot enter " << path;
    }
    ~CurrentFolder()
    {
        if (::chdir(home_) != 0)
            ADD_FAILURE() << "cannot return from the folder";
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char home_[4096] = {};
};
