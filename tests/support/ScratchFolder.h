#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// A fresh folder of the running test alone, removed afterwards. Snapshot answers every entry with
// its kind and bytes, so a test can show that a failure left every other file as it was.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(testing::TempDir() + "voltrane_scratch_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name())
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(*this / name, std::ios::binary) << bytes;
    }

    static std::string Slurp(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::map<std::string, std::string> Snapshot() const
    {
        std::map<std::string, std::string> entries;
        for (const auto& e : std::filesystem::directory_iterator(path_)) {
            const std::string name = e.path().filename().string();
            if (e.is_symlink())
                entries[name] = "link to " + std::filesystem::read_symlink(e.path()).string();
            else if (e.is_fifo())
                entries[name] = "fifo";
            else if (e.is_directory())
                entries[name] = "folder";
            else
                entries[name] = Slurp(e.path().string());
        }
        return entries;
    }

private:
    std::string path_;
};

// A full file system, as far as this process and the processes it starts can tell: writes past
// limit bytes of any file fail with EFBIG. Tests run as root, for whom permissions fail nothing.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_ {};
};
