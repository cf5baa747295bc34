#pragma once

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Running the built voltrane-sim from a test.

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& path) { return ScratchFolder::Slurp(path); }

inline std::string Data(const std::string& name) { return std::string(VOLTRANE_DATA) + "/" + name; }

// A file of the running test alone: ctest runs the tests of this program side by side, and other
// builds may run the same test at the same time.
inline std::string Temp(const std::string& name)
{
    return testing::TempDir() + "voltrane_cli_" + std::to_string(getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
}

// Runs voltrane-sim with these arguments, its output going to files that are read back; with a
// limit, in at most that many kilobytes of address space. Its messages are Japanese, the language
// the tests compare, unless the arguments choose one with --lang.
inline Outcome Sim(std::vector<std::string> args, const std::string& limitKb = "")
{
    const bool chosen = std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--lang" || a.starts_with("--lang=");
    });
    if (!chosen) args.insert(args.begin(), {"--lang", "ja"});
    const std::string outPath = Temp("stdout"), errPath = Temp("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    args.insert(args.begin(), VOLTRANE_SIM);
    if (!limitKb.empty())
        args.insert(args.begin(), {"/bin/sh", "-c", "ulimit -v " + limitKb + " && exec \"$0\" \"$@\""});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Outcome o;
    if (posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    o.out = Slurp(outPath);
    o.err = Slurp(errPath);
    return o;
}

