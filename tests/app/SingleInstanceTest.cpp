// A class file opened while the program runs goes to the running program,
// through the executable's real entry (offscreen, so no display is needed).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/UserSettings.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

#ifdef QUORLE_EXE
// Starts the executable with the words in the test's own program directory
// and settings folder; its output goes to the folder.
pid_t Start(const std::vector<std::string>& words, const testing::TempDir& dir, const std::string& log) {
    std::vector<std::string> args{QUORLE_EXE};
    args.insert(args.end(), words.begin(), words.end());
    const pid_t pid = fork();
    if (pid != 0) return pid;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QUORLE_NO_SPLASH", "1", 1);
    setenv("QUORLE_DIR", dir.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    const int out = open(dir.File(log).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0) _exit(127);
    dup2(out, 1);
    dup2(out, 2);
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// The exit status, or -1 when it has not ended within the time.
int Wait(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

// Waits for the running program to list the class first among its recent ones.
bool ListedFirst(const std::string& settings, const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        const auto recent = ReadUserSettings(settings).recentClasses;
        if (!recent.empty() && recent.front() == path) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
#endif

TEST(SingleInstance, ASecondStartHandsItsClassToTheRunningProgram) {
#ifndef QUORLE_EXE
    GTEST_SKIP() << "built without the windowed program";
#else
    testing::TempDir dir;
    const std::string settings = dir.File("config/quorle/quorle.conf");
    for (const char* name : {"biology.gdr", "empty.gdr"})
        std::filesystem::copy_file(std::string(QUORLE_EXAMPLES_DIR) + "/" + name, dir.File(name));
    const pid_t first = Start({dir.File("biology.gdr")}, dir, "first.txt");
    ASSERT_TRUE(ListedFirst(settings, dir.File("biology.gdr")));

    // The later start ends at once; the running program opened its class.
    const pid_t second = Start({dir.File("empty.gdr")}, dir, "second.txt");
    EXPECT_EQ(Wait(second, std::chrono::seconds(10)), 0);
    EXPECT_TRUE(ListedFirst(settings, dir.File("empty.gdr")));
    // A subcommand is never handed over: it answers itself.
    const pid_t show = Start({"show", dir.File("empty.gdr")}, dir, "show.txt");
    EXPECT_EQ(Wait(show, std::chrono::seconds(10)), 0);
    EXPECT_GT(std::filesystem::file_size(dir.File("show.txt")), 0u);

    EXPECT_EQ(Wait(first, std::chrono::milliseconds(0)), -1);  // still running
    kill(first, SIGTERM);
    Wait(first, std::chrono::seconds(10));
#endif
}

}  // namespace
}  // namespace quorle
