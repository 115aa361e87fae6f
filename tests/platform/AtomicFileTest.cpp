#include "platform/AtomicFile.h"

#include "support/ScratchFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Platform;
namespace fs = std::filesystem;

namespace {

int umaskCalls = 0;

}  // namespace

// Every umask() call of the test program comes here: a write must not change the process's umask,
// even for a moment, since another thread may be creating a file just then.
extern "C" mode_t umask(mode_t mask) noexcept
{
    ++umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

class AtomicFile : public testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder scratch;
    fs::path folder = scratch.Path();
};

}  // namespace

TEST_F(AtomicFile, WritesReadsReplacesAndRemovesEveryByte)
{
    EXPECT_FALSE(FileExists(PathOf("data")));
    EXPECT_TRUE(RemoveFile(PathOf("data"))) << "nothing there counts as removed";
    EXPECT_EQ(ReadWholeFile(PathOf("data")).Get(), std::nullopt) << "a missing file reads as no bytes at all";
    std::string bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += static_cast<char>(i * 7);
    const mode_t before = ::umask(027);
    const int umaskCallsBefore = umaskCalls;
    const bool written = WriteFileAtomically(PathOf("data"), bytes).Ok();
    EXPECT_EQ(umaskCalls, umaskCallsBefore) << "the process's umask is left alone";
    ::umask(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(fs::status(PathOf("data")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << "a new file follows the player's umask";
    EXPECT_EQ(ReadWholeFile(PathOf("data")).Get(), bytes);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"}) << "no temporary file is left";
    EXPECT_TRUE(FileExists(PathOf("data")));
    ASSERT_TRUE(WriteFileAtomically(PathOf("data"), "")) << "replacing with nothing";
    EXPECT_EQ(ReadWholeFile(PathOf("data")).Get(), std::string());
    EXPECT_TRUE(RemoveFile(PathOf("data")));
    EXPECT_FALSE(FileExists(PathOf("data")));
}

// A save may never come again, so reading or deleting the file clears them as well; a temporary
// of the last few seconds may be another writer's at work and stays.
TEST_F(AtomicFile, TemporariesLeftByAStoppedWriterGoAtTheNextReadWriteOrDelete)
{
    const std::string path = PathOf("data");
    const auto leftBehind = [&] {
        for (const char* left : {"data.tmp.aB3xYz", "data.tmp.000000"}) {
            std::ofstream(PathOf(left)) << "half";
            fs::last_write_time(PathOf(left), fs::file_time_type::clock::now() - std::chrono::minutes(2));
        }
    };
    std::ofstream(PathOf("data.tmp.notours.txt")) << "someone else's";
    std::ofstream(PathOf("other.tmp.aB3xYz")) << "another file's";
    const std::vector<std::string> others{"data.tmp.notours.txt", "other.tmp.aB3xYz"};
    leftBehind();
    ASSERT_TRUE(WriteFileAtomically(path, "whole"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"data", "data.tmp.notours.txt", "other.tmp.aB3xYz"}));
    leftBehind();
    std::ofstream(PathOf("data.tmp.atWork")) << "a writer at work";
    ASSERT_TRUE(ReadWholeFile(path));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"data", "data.tmp.atWork", "data.tmp.notours.txt", "other.tmp.aB3xYz"}));
    fs::remove(PathOf("data.tmp.atWork"));
    leftBehind();
    ASSERT_TRUE(RemoveFile(path));
    EXPECT_EQ(Names(), others);
}

// Through a link (a dotfile manager's) the file it points to is replaced, in its own folder.
TEST_F(AtomicFile, AWriteThroughALinkReplacesItsTarget)
{
    fs::create_directory(folder / "dotfiles");
    std::ofstream(folder / "dotfiles" / "data") << "old";
    fs::create_symlink("dotfiles/data", folder / "link");
    fs::create_symlink("link", folder / "data");
    ASSERT_TRUE(WriteFileAtomically(PathOf("data"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "data"));
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(ReadWholeFile((folder / "dotfiles" / "data").string()).Get(), "new");
    EXPECT_EQ(Names(), (std::vector<std::string>{"data", "dotfiles", "link"}));
    fs::remove(folder / "dotfiles" / "data");
    ASSERT_TRUE(WriteFileAtomically(PathOf("data"), "made")) << "a link that points nowhere yet";
    EXPECT_EQ(ReadWholeFile((folder / "dotfiles" / "data").string()).Get(), "made");
}

TEST_F(AtomicFile, FailuresAreReportedAndKeepWhatWasThere)
{
    const Outcome<> missing = WriteFileAtomically(PathOf("nowhere/data"), "x");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.Failure().detail.find("create"), std::string::npos) << missing.Failure().detail;

    fs::create_directory(folder / "data");
    const auto folderRead = ReadWholeFile(PathOf("data"));
    ASSERT_FALSE(folderRead) << "a folder is unreadable, not missing";
    EXPECT_FALSE(folderRead.Failure().detail.empty());
    const Outcome<> result = WriteFileAtomically(PathOf("data"), "x");
    ASSERT_FALSE(result);
    EXPECT_NE(result.Failure().detail.find("rename"), std::string::npos) << result.Failure().detail;
    EXPECT_TRUE(fs::is_directory(folder / "data"));
    EXPECT_EQ(Names(), std::vector<std::string>{"data"}) << "no temporary file is left";
}

// A writer killed at any moment leaves the old file or the new one, whole, and never a mix.
TEST_F(AtomicFile, KilledWriterLeavesTheOldOrTheNewFileWhole)
{
    const std::string first(300000, 'a');
    const std::string second(200000, 'b');
    const std::string path = PathOf("data");
    ASSERT_TRUE(WriteFileAtomically(path, first));
    std::mt19937 random(4711);
    int killedMidWrite = 0;
    constexpr int Kills = 150;
    for (int round = 0; round < Kills; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int i = 0;; ++i)
                if (!WriteFileAtomically(path, i % 2 ? first : second))
                    ::_exit(3);
        }
        ::usleep(static_cast<useconds_t>(random() % 4000));
        ASSERT_EQ(::kill(writer, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own: " << status;

        const auto read = ReadWholeFile(path);
        ASSERT_TRUE(read && read.Get()) << round;
        const std::string& bytes = *read.Get();
        ASSERT_TRUE(bytes == first || bytes == second) << "round " << round << ": " << bytes.size() << " bytes";
        for (const std::string& name : Names())
            if (name != "data") {
                ++killedMidWrite;
                fs::remove(folder / name);
            }
    }
    std::printf("killed writer: %d kills, %d of them in the middle of a write\n", Kills, killedMidWrite);
}
