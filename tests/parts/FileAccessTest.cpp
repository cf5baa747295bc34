#include "FileAccess.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Entries = std::map<std::string, std::string>;

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TFileError& e) {
        return e.what();
    }
    return "no error";
}

TEST(FileAccess, ReplacesARegularFileWholeKeepingItsPermissions)
{
    ScratchFolder s;
    s.Put("out.lgc", "old");
    ::chmod((s / "out.lgc").c_str(), 0604);
    WriteFileBytes(s / "out.lgc", "new bytes");
    EXPECT_EQ(s.Snapshot(), (Entries{{"out.lgc", "new bytes"}}));  // no temporary file is left
    EXPECT_EQ(ModeOf(s / "out.lgc") & 07777, 0604u);
    const mode_t mask = ::umask(027);
    WriteFileBytes(s / "fresh.lgc", "");
    ::umask(mask);
    EXPECT_EQ(ModeOf(s / "fresh.lgc") & 07777, 0640u);  // a new file as the umask makes it
    EXPECT_EQ(s.Snapshot(), (Entries{{"fresh.lgc", ""}, {"out.lgc", "new bytes"}}));
}

TEST(FileAccess, ALinkPlantedAtTheOldTemporaryNameIsNeverFollowed)
{
    ScratchFolder s;
    s.Put("victim", "precious");
    fs::create_symlink(s / "victim", s / ("out.lgc.~" + std::to_string(::getpid())));
    WriteFileBytes(s / "out.lgc", "new");
    EXPECT_EQ(ScratchFolder::Slurp(s / "victim"), "precious");
    EXPECT_EQ(ScratchFolder::Slurp(s / "out.lgc"), "new");
}

TEST(FileAccess, ALinkToARegularFileStaysALinkAndItsTargetIsReplaced)
{
    ScratchFolder s;
    s.Put("target.lgc", "old");
    fs::create_symlink("target.lgc", s / "link.lgc");
    WriteFileBytes(s / "link.lgc", "new");
    EXPECT_EQ(s.Snapshot(), (Entries{{"link.lgc", "link to target.lgc"}, {"target.lgc", "new"}}));
}

TEST(FileAccess, StreamsAreWrittenDirectlyAndStayStreams)
{
    ScratchFolder s;
    ASSERT_EQ(::mkfifo((s / "fifo").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ScratchFolder::Slurp(s / "fifo"); });
    WriteFileBytes(s / "fifo", "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(S_ISFIFO(ModeOf(s / "fifo")));
    EXPECT_EQ(s.Snapshot(), (Entries{{"fifo", "fifo"}}));
    WriteFileBytes("/dev/null", "gone");
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
    EXPECT_EQ(ErrorOf([] { WriteFileBytes("/dev/full", "x"); }), "ファイル /dev/full に書き込めません (" +
                                                                     std::string(std::strerror(ENOSPC)) + ")");
    EXPECT_TRUE(S_ISCHR(ModeOf("/dev/full")));
}

TEST(FileAccess, RefusesWhatIsNeitherARegularFileNorAStream)
{
    ScratchFolder s;
    fs::create_directory(s / "folder");
    fs::create_symlink("folder", s / "to-folder");
    fs::create_symlink("missing", s / "dangling");
    s.Put("plain", "keep");
    const Entries before = s.Snapshot();
    EXPECT_EQ(ErrorOf([&] { WriteFileBytes(s / "folder", "x"); }),
              "ファイル " + s / "folder" + " は通常のファイルではないので書き込めません");
    EXPECT_THROW(WriteFileBytes(s / "to-folder", "x"), TFileError);
    EXPECT_THROW(WriteFileBytes(s / "dangling", "x"), TFileError);  // nothing is made where a link points
    EXPECT_THROW(WriteFileBytes(s / "plain/inside", "x"), TFileError);  // a folder that is a file
    EXPECT_EQ(s.Snapshot(), before);
    EXPECT_TRUE(fs::is_empty(s / "folder"));
}

TEST(FileAccess, AFailedWriteLeavesTheOldFileAndNoTemporaryOne)
{
    ScratchFolder s;
    s.Put("out.lgc", "old content");
    s.Put("other", "untouched");
    const Entries before = s.Snapshot();
    const std::string big(100000, 'x');
    {
        const FileSizeLimit full(5000);
        EXPECT_THROW(WriteFileBytes(s / "out.lgc", big), TFileError);
        TFileWriter streaming(s / "out.lgc");
        EXPECT_THROW(streaming.Write(big), TFileError);
    }
    EXPECT_EQ(s.Snapshot(), before);
    {
        TFileWriter abandoned(s / "out.lgc");
        abandoned.Write("half");
    }
    EXPECT_EQ(s.Snapshot(), before);
}

TEST(FileAccess, ReadsRegularFilesAndPipesUpToTheLimit)
{
    ScratchFolder s;
    s.Put("small", "12345");
    EXPECT_EQ(ReadFileBytes(s / "small"), "12345");
    EXPECT_EQ(ReadFileBytes(s / "small", 5), "12345");
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(s / "small", 4); }), "ファイル " + s / "small" + " は大きすぎます (上限 4 バイト)");
    EXPECT_EQ(ErrorOf([] { ReadFileBytes("/dev/zero"); }), "ファイル /dev/zero は通常のファイルではないので読み込めません");
    ASSERT_EQ(::mkfifo((s / "fifo").c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    std::thread writer([&] {
        const int fd = ::open((s / "fifo").c_str(), O_WRONLY);
        const std::string endless(1 << 20, 'z');
        while (::write(fd, endless.data(), endless.size()) > 0) {
        }
        ::close(fd);
    });
    EXPECT_THROW(ReadFileBytes(s / "fifo", 3 << 20), TFileError);  // stops, the writer gets EPIPE
    writer.join();
}

TEST(FileAccess, SameFileFollowsLinksAndComparesNamesOfFilesNotYetMade)
{
    ScratchFolder s;
    s.Put("a", "x");
    fs::create_symlink("a", s / "link");
    fs::create_hard_link(s / "a", s / "hard");
    EXPECT_TRUE(SameFile(s / "a", s / "link"));
    EXPECT_TRUE(SameFile(s / "a", s / "hard"));
    EXPECT_TRUE(SameFile(s / "new", s / "./new"));
    EXPECT_FALSE(SameFile(s / "a", s / "new"));
    EXPECT_FALSE(SameFile(s / "new", s / "other"));
}

}  // namespace
