// The running program and a later start meet only in a folder of their
// user's own, and a class goes only to a program of the same user.
#include "platform/qt/QtSingleInstance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "QtTestApp.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace fs = std::filesystem;

// An environment variable set (or unset) for a while.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value);
    }
    ~ScopedVariable() { Set(old_ ? old_->c_str() : nullptr); }
    void Set(const char* value) {
        if (value)
            ::setenv(name_, value, 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(QtSingleInstance, TheSocketLivesInAFolderOfTheUsersOwn) {
    TestApp();
    testing::TempDir dir;
    const std::string runtime = dir.File("runtime"), shared = dir.File("shared"), link = dir.File("link");
    ASSERT_EQ(::mkdir(runtime.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(shared.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(dir.File("tmp").c_str(), 0755), 0);
    fs::create_directory_symlink(runtime, link);
    const std::string own = dir.File("tmp/quorle-" + std::to_string(::geteuid()));
    ScopedVariable tmp("TMPDIR", dir.File("tmp").c_str());
    ScopedVariable xdg("XDG_RUNTIME_DIR", nullptr);
    const struct {
        const char* runtime;
        std::function<void()> plant;  // at the own folder's place beforehand
        std::string folder;           // where the socket goes; empty: nowhere
    } cases[] = {
        {runtime.c_str(), {}, runtime},
        {shared.c_str(), {}, own},  // others may enter it
        {link.c_str(), {}, own},
        {nullptr, {}, own},
        {nullptr, [&] { fs::create_directory_symlink(runtime, own); }, ""},
        {nullptr, [&] { ::mkdir(own.c_str(), 0777), ::chmod(own.c_str(), 0777); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.runtime ? c.runtime : "unset") + " -> " + c.folder);
        fs::remove_all(own);
        if (c.plant) c.plant();
        xdg.Set(c.runtime);
        const std::string name = QtSingleInstance::Name(dir.Path()).toStdString();
        if (c.folder.empty()) {
            EXPECT_EQ(name, "");
            continue;
        }
        EXPECT_EQ(fs::path(name).parent_path(), c.folder);
        struct stat st {};
        ASSERT_EQ(::lstat(c.folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
}

// A program of another user listening at the name is not given the classes.
TEST(QtSingleInstance, ClassesGoOnlyToAProgramOfTheSameUser) {
    if (::geteuid() != 0) GTEST_SKIP() << "another user's program needs the test to run as root";
    TestApp();
    testing::TempDir dir;
    ::chmod(dir.Path().c_str(), 0777);
    const std::string path = dir.File("socket");
    const pid_t other = ::fork();
    if (other == 0) {
        // The other user's program takes whatever it is sent.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(server, 1) != 0)
            ::_exit(2);
        ::alarm(10);
        const int client = ::accept(server, nullptr, nullptr);
        char buffer[4096];
        if (::read(client, buffer, sizeof buffer) > 0 && ::write(client, "1", 1) != 1) ::_exit(3);
        ::_exit(0);
    }
    for (int i = 0; i < 250 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(fs::exists(path));
    EXPECT_FALSE(QtSingleInstance::HandOver(QString::fromStdString(path), {dir.File("biology.gdr")}));
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
}

}  // namespace
}  // namespace quorle::qt
