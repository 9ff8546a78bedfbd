#pragma once
// The lock that keeps a class to one program at a time. Beside the class file
// biology.gdr stands the lock file .biology.gdr.lock, naming the process and
// the host of the program that holds it; the program holds an exclusive
// advisory lock (flock) on it for as long as the class is open. A program that
// ended without removing its lock file leaves no lock on it, so the next
// program takes the file over. Where the file system has no flock, the lock
// file's being there is the lock: it is made exclusively, and one left by a
// program of this computer that no longer runs is taken over. The lock file is
// never followed through a symbolic link; whatever else stands in its way
// refuses the write, and the class can still be read.
#include <string>
#include <string_view>

#include "record/Binary.h"

namespace quorle {

// The program holding a lock, as its lock file names it (pid 0 and an empty
// host when the file says nothing readable).
struct LockHolder {
    long pid = 0;
    std::string host;
};

enum class LockState {
    Held,           // this lock holds the class
    HeldElsewhere,  // another program holds it (Holder() names it)
    HeldHere,       // another lock of this program holds it
    Refused,        // the lock file cannot be used (Problem() says why): the class may be read, not written
    None,           // no lock was asked for, or it was let go
};

class ClassLock {
public:
    ClassLock() = default;
    ~ClassLock();
    ClassLock(ClassLock&& other) noexcept;
    ClassLock& operator=(ClassLock&& other) noexcept;
    ClassLock(const ClassLock&) = delete;
    ClassLock& operator=(const ClassLock&) = delete;

    // Locks the class written under classPath (its name as the class file
    // writer normalises it, through symbolic links) for this program.
    static ClassLock Acquire(const std::string& classPath);

    LockState State() const { return state_; }
    bool Held() const { return state_ == LockState::Held; }
    // Whether this program may write the class: this lock or another of this program holds it.
    bool AllowsWrite() const { return state_ == LockState::Held || state_ == LockState::HeldHere; }
    const LockHolder& Holder() const { return holder_; }
    // Why the lock was refused ("Is a symbolic link" and the lock file).
    const FileProblem& Problem() const { return problem_; }
    const std::string& LockPath() const { return path_; }
    // Removes the lock file and lets the class go (nothing when not held).
    void Release();

private:
    ClassLock& Refuse(FileProblem problem);

    LockState state_ = LockState::None;
    LockHolder holder_;
    FileProblem problem_;
    std::string path_;
    int fd_ = -1;
    bool byFile_ = false;  // held by the lock file's being there (no flock here)
};

// The lock file of a class: ".NAME.lock" in the folder of the class file.
std::string LockFilePath(const std::string& classPath);

// "open in another Quorle program (process 4242 on lab-pc)", or without the
// parenthesis when the lock file names nobody.
std::string OpenElsewhereText(const LockHolder& holder);

// Said of a class whose lock was refused, the lock's problem on the next line.
inline constexpr const char* kCannotBeLocked = "cannot be locked against other programs, so it is not written.";

// The lock file's words: its holder's pid and host, one a line. A holder of
// pid 0 when they are not.
LockHolder ParseLockHolder(std::string_view text);

// A file system without flock, or a failing one, for tests: while one lives,
// every flock of a lock file fails with the errno value given.
class ScopedLockFault {
public:
    explicit ScopedLockFault(int error);
    ~ScopedLockFault();
    ScopedLockFault(const ScopedLockFault&) = delete;
    ScopedLockFault& operator=(const ScopedLockFault&) = delete;
};

}  // namespace quorle
