#pragma once
// The lock that keeps a class to one program at a time. Beside the class file
// biology.gdr stands the lock file .biology.gdr.lock, naming the process and
// the host of the program that holds it; the program holds an exclusive
// advisory lock (flock) on it for as long as the class is open. A program that
// ended without removing its lock file leaves no lock on it, so the next
// program takes the file over.
#include <string>

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
    Unavailable,    // no lock can be had here (a read-only folder, a file system without locks)
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
    const LockHolder& Holder() const { return holder_; }
    const std::string& LockPath() const { return path_; }
    // Removes the lock file and lets the class go (nothing when not held).
    void Release();

private:
    LockState state_ = LockState::Unavailable;
    LockHolder holder_;
    std::string path_;
    int fd_ = -1;
};

// The lock file of a class: ".NAME.lock" in the folder of the class file.
std::string LockFilePath(const std::string& classPath);

// "open in another Quorle program (process 4242 on lab-pc)", or without the
// parenthesis when the lock file names nobody.
std::string OpenElsewhereText(const LockHolder& holder);

}  // namespace quorle
