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

#include <cstring>
#include <filesystem>
#include <thread>

#include "QtTestApp.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace fs = std::filesystem;

TEST(QtSingleInstance, TheSocketLivesInAFolderOfTheUsersOwn) {
    TestApp();
    testing::TempDir dir;
    const std::string runtime = dir.File("runtime"), shared = dir.File("shared"), link = dir.File("link");
    const std::string own = dir.File("quorle-" + std::to_string(::geteuid()));
    ::mkdir(runtime.c_str(), 0700), ::mkdir(shared.c_str(), 0755), fs::create_directory_symlink(runtime, link);
    const auto restore = [](const char* name) {
        return [name, was = qEnvironmentVariableIsSet(name), value = qgetenv(name)] {
            was ? qputenv(name, value) : qunsetenv(name);
        };
    };
    const auto restoreTmp = restore("TMPDIR"), restoreXdg = restore("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", dir.Path().c_str());
    const struct {
        std::string runtime;  // empty: unset
        int planted;          // at the own folder's place: 0 nothing, 1 a link, 2 a folder open to all
        std::string folder;   // where the socket goes; empty: nowhere
    } cases[] = {{runtime, 0, runtime}, {shared, 0, own}, {link, 0, own}, {"", 0, own}, {"", 1, ""}, {"", 2, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runtime + " " + std::to_string(c.planted));
        fs::remove_all(own);
        if (c.planted == 1) fs::create_directory_symlink(runtime, own);
        if (c.planted == 2) ::mkdir(own.c_str(), 0700), ::chmod(own.c_str(), 0777);
        qputenv("XDG_RUNTIME_DIR", c.runtime.c_str());
        const std::string name = QtSingleInstance::Name(dir.Path()).toStdString();
        EXPECT_EQ(fs::path(name).parent_path().string(), c.folder);
        EXPECT_TRUE(c.folder.empty() || fs::status(c.folder).permissions() == fs::perms::owner_all);
    }
    restoreTmp(), restoreXdg();
}

// Another user's program listening at the name, taking anything: not given the classes.
TEST(QtSingleInstance, ClassesGoOnlyToAProgramOfTheSameUser) {
    if (::geteuid() != 0) GTEST_SKIP() << "another user's program needs the test to run as root";
    TestApp();
    testing::TempDir dir;
    ::chmod(dir.Path().c_str(), 0777);
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, dir.File("socket").c_str(), sizeof address.sun_path - 1);
    const pid_t other = ::fork();
    if (other == 0) {
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0 ||
            ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(server, 1) != 0)
            ::_exit(1);
        const int client = ::accept(server, nullptr, nullptr);
        char buffer[4096];
        ::_exit(::read(client, buffer, sizeof buffer) > 0 && ::write(client, "1", 1) == 1 ? 0 : 1);
    }
    for (int i = 0; i < 250 && !fs::exists(address.sun_path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(QtSingleInstance::HandOver(address.sun_path, {dir.File("biology.gdr")}));
    ::kill(other, SIGKILL), ::waitpid(other, nullptr, 0);
}

}  // namespace
}  // namespace quorle::qt
