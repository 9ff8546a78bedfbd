// The lock beside a class file: who holds it, taking over the lock file of a
// program that ended, and the names of the lock files.
#include "record/ClassLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/OtherProgram.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::OtherProgram;
using testing::TempDir;

std::string Text(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ThisHost() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

std::string ThisProgram() { return std::to_string(::getpid()) + "\n" + ThisHost() + "\n"; }

TEST(ClassLock, TakesAFreeOrAbandonedLockAndRefusesOneHeldElsewhere) {
    struct Case {
        const char* name;
        // Makes the folder as the case needs it; may start another program.
        std::function<void(TempDir&, std::unique_ptr<OtherProgram>&)> setUp;
        LockState state;
        // Whether the other program started is named as the holder.
        bool namesOther;
        // Whether the lock file names this program while the lock lives.
        bool namesThis;
        int flockError = 0;     // what flock says here (ENOLCK: a file system without it)
        const char* why = "";   // the reason of a refusal
        LockHolder holder = {};  // the holder a lock file names, when no other program is started
    };
    const auto lockFile = [](const std::string& words) {
        return [words](TempDir& dir, auto&) { dir.Write(".bio.gdr.lock", std::vector<unsigned char>(words.begin(), words.end())); };
    };
    const auto other = [](TempDir& dir, std::unique_ptr<OtherProgram>& program) {
        program = std::make_unique<OtherProgram>(dir.File("bio.gdr"));
        ASSERT_TRUE(program->Held());
    };
    const Case cases[] = {
        {"no lock file", [](TempDir&, auto&) {}, LockState::Held, false, true},
        {"left by a program that ended", lockFile("999999\nh\n"), LockState::Held, false, true},
        {"empty lock file", lockFile(""), LockState::Held, false, true},
        {"another program's", other, LockState::HeldElsewhere, true, false},
        {"another program's, killed",
         [other](TempDir& dir, std::unique_ptr<OtherProgram>& program) {
             other(dir, program);
             program->Kill();
             ASSERT_TRUE(dir.Exists(".bio.gdr.lock"));
         },
         LockState::Held, false, true},
        {"a folder in its place",
         [](TempDir& dir, auto&) { std::filesystem::create_directory(dir.File(".bio.gdr.lock")); },
         LockState::Refused, false, false, 0, "Is a folder"},
        {"a link leading nowhere in its place",
         [](TempDir& dir, auto&) { std::filesystem::create_symlink(dir.File("none"), dir.File(".bio.gdr.lock")); },
         LockState::Refused, false, false, 0, "Is a symbolic link"},
        {"a link to a file in its place",
         [](TempDir& dir, auto&) {
             dir.Write("x", {});
             std::filesystem::create_symlink(dir.File("x"), dir.File(".bio.gdr.lock"));
         },
         LockState::Refused, false, false, 0, "Is a symbolic link"},
        {"a pipe in its place", [](TempDir& dir, auto&) { ::mkfifo(dir.File(".bio.gdr.lock").c_str(), 0644); },
         LockState::Refused, false, false, 0, "Is not a regular file"},
        {"a failing disk", [](TempDir&, auto&) {}, LockState::Refused, false, false, EIO, "Input/output error"},
        {"no flock, no lock file", [](TempDir&, auto&) {}, LockState::Held, false, true, ENOLCK},
        {"no flock, another program's", other, LockState::HeldElsewhere, true, false, EOPNOTSUPP},
        {"no flock, left by a program that ended", lockFile("1234567\n" + ThisHost() + "\n"), LockState::Held,
         false, true, EINVAL},
        {"no flock, a 10-digit process of this computer", lockFile("4294967294\n" + ThisHost() + "\n"),
         LockState::Held, false, true, ENOLCK},
        {"no flock, a 7-digit process of another computer", lockFile("1234567\nlab-pc\n"),
         LockState::HeldElsewhere, false, false, ENOLCK, "", {1234567, "lab-pc"}},
        {"no flock, a 10-digit process of another computer", lockFile("4294967294\nlab-pc\n"),
         LockState::HeldElsewhere, false, false, ENOLCK, "", {4294967294, "lab-pc"}},
        {"no flock, naming nobody", lockFile(""), LockState::HeldElsewhere, false, false, ENOLCK},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TempDir dir;
        std::optional<ScopedLockFault> fault;
        if (k.flockError) fault.emplace(k.flockError);
        std::unique_ptr<OtherProgram> program;
        k.setUp(dir, program);
        const long otherPid = program ? program->Pid() : 0;
        {
            ClassLock lock = ClassLock::Acquire(dir.File("bio.gdr"));
            EXPECT_EQ(lock.State(), k.state);
            EXPECT_EQ(lock.Problem().Text(), *k.why ? k.why + (": " + dir.File(".bio.gdr.lock")) : "");
            EXPECT_EQ(lock.AllowsWrite(), k.state == LockState::Held);
            if (k.state == LockState::HeldElsewhere && !program) {
                EXPECT_EQ(lock.Holder().pid, k.holder.pid);
                EXPECT_EQ(lock.Holder().host, k.holder.host);
            }
            if (k.namesOther) {
                EXPECT_EQ(lock.Holder().pid, otherPid);
                EXPECT_EQ(OpenElsewhereText(lock.Holder()),
                          "open in another Quorle program (process " + std::to_string(otherPid) + " on " +
                              ThisHost() + ")");
            }
            if (k.namesThis) {
                EXPECT_EQ(Text(dir.Read(".bio.gdr.lock")), ThisProgram());
                // A second lock of this very program is told apart from another program's.
                EXPECT_EQ(ClassLock::Acquire(dir.File("bio.gdr")).State(), LockState::HeldHere);
            }
        }
        // Let go: the lock file is gone, unless another program still holds it.
        EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(dir.File(".bio.gdr.lock"))),
                  k.state == LockState::HeldElsewhere ||
                                                   k.state == LockState::Refused);
    }
}

TEST(ClassLock, OneClassHasOneLockFileByWhateverNameItIsReached) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    dir.Write("real/bio.gdr", {'x'});
    std::filesystem::create_symlink(dir.File("real/bio.gdr"), dir.File("link.gdr"));
    const std::string canonical = std::filesystem::canonical(dir.Path()).string();
    const struct {
        std::string classPath;
        std::string lockPath;
    } cases[] = {
        {dir.File("bio.gdr"), canonical + "/.bio.gdr.lock"},
        {dir.File("BIOLOGY.GDR"), canonical + "/.BIOLOGY.GDR.lock"},
        {dir.File("notes.txt"), canonical + "/.notes.gdr.lock"},  // written as notes.gdr
        {dir.File("real/../bio"), canonical + "/.bio.gdr.lock"},
        {dir.File("link.gdr"), canonical + "/real/.bio.gdr.lock"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.classPath);
        EXPECT_EQ(LockFilePath(k.classPath), k.lockPath);
    }
    // The link and its file share the lock.
    ClassLock held = ClassLock::Acquire(dir.File("real/bio.gdr"));
    ASSERT_TRUE(held.Held());
    EXPECT_EQ(ClassLock::Acquire(dir.File("link.gdr")).State(), LockState::HeldHere);
}

TEST(ClassLock, SaysWhoHoldsItAsFarAsTheLockFileTells) {
    const struct {
        LockHolder holder;
        const char* text;
    } cases[] = {
        {{4242, "lab-pc"}, "open in another Quorle program (process 4242 on lab-pc)"},
        {{1, ""}, "open in another Quorle program (process 1)"},
        {{0, "lab-pc"}, "open in another Quorle program"},
    };
    for (const auto& k : cases) EXPECT_EQ(OpenElsewhereText(k.holder), k.text);
}

}  // namespace
}  // namespace quorle
