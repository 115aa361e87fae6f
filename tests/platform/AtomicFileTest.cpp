#include "platform/AtomicFile.h"

#include "support/ScratchFolder.h"
#include "support/Unprivileged.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Platform;
namespace fs = std::filesystem;

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
    const bool written = WriteFileAtomically(PathOf("data"), bytes).Ok();
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

TEST_F(AtomicFile, TheNextWriteClearsTemporariesLeftByAStoppedWriter)
{
    for (const char* left : {"data.tmp.aB3xYz", "data.tmp.000000"})
        std::ofstream(PathOf(left)) << "half";
    std::ofstream(PathOf("data.tmp.notours.txt")) << "someone else's";
    std::ofstream(PathOf("other.tmp.aB3xYz")) << "another file's";
    ASSERT_TRUE(WriteFileAtomically(PathOf("data"), "whole"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"data", "data.tmp.notours.txt", "other.tmp.aB3xYz"}));
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

TEST_F(AtomicFile, ReadOnlyFolderIsAReportedFailure)
{
    ASSERT_TRUE(WriteFileAtomically(PathOf("data"), "old"));
    fs::permissions(folder, ReadOnlyForAll);
    EXPECT_TRUE(PassesAsUnprivilegedUser([&] {
        const Outcome<> result = WriteFileAtomically(PathOf("data"), "new");
        ASSERT_FALSE(result);
        EXPECT_FALSE(result.Failure().detail.empty());
        EXPECT_EQ(ReadWholeFile(PathOf("data")).Get(), "old");
    }));
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
