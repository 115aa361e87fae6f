#pragma once
// A fresh folder under the test temp directory that the test's children share. A test that ends
// the program runs it in a child process, which re-runs the test up to that point and ends
// before any clean-up: the child finds the folder through the environment variable and leaves
// it alone, while the test that made it removes it at the end.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

class SharedScratch {
public:
    SharedScratch(const char* variable, const std::string& prefix)
        : variable_(variable)
    {
        if (const char* inherited = std::getenv(variable)) {
            path_ = inherited;
            return;
        }
        std::string pattern = testing::TempDir() + prefix + "-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "no scratch folder";
            return;
        }
        path_ = pattern;
        owner_ = true;
        ::setenv(variable, path_.c_str(), 1);
    }
    ~SharedScratch()
    {
        if (!owner_)
            return;
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
        ::unsetenv(variable_);
    }
    SharedScratch(const SharedScratch&) = delete;
    SharedScratch& operator=(const SharedScratch&) = delete;

    const std::string& Path() const { return path_; }
    // True in the test that made the folder, false in its children.
    bool Made() const { return owner_; }

private:
    const char* variable_;
    std::string path_;
    bool owner_ = false;
};
