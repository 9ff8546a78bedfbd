#pragma once
// Another program on the same class: a child process that takes the class's
// lock, says whether it got it, and holds it until the test lets it go or
// kills it (a killed program leaves its lock file behind, as a crash does).
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "record/ClassLock.h"

namespace quorle::testing {

class OtherProgram {
public:
    explicit OtherProgram(const std::string& classPath) {
        int ready[2];
        int go[2];
        if (::pipe(ready) != 0 || ::pipe(go) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(go[1]);
            ClassLock lock = ClassLock::Acquire(classPath);
            const char answer = lock.Held() ? 'y' : 'n';
            [[maybe_unused]] ssize_t n = ::write(ready[1], &answer, 1);
            char c = 0;
            n = ::read(go[0], &c, 1);
            lock.Release();
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(go[0]);
        go_ = go[1];
        char answer = 'n';
        if (pid_ > 0 && ::read(ready[0], &answer, 1) == 1) held_ = answer == 'y';
        ::close(ready[0]);
    }
    ~OtherProgram() { Quit(); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Whether it got the lock.
    bool Held() const { return held_; }
    long Pid() const { return static_cast<long>(pid_); }
    // Closes the class and ends.
    void Quit() {
        if (go_ >= 0) ::close(go_);
        go_ = -1;
        Wait();
    }
    // Ends at once, its lock file left behind.
    void Kill() {
        if (pid_ > 0) ::kill(pid_, SIGKILL);
        Wait();
        if (go_ >= 0) ::close(go_);
        go_ = -1;
    }

private:
    void Wait() {
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid_ = -1;
    int go_ = -1;
    bool held_ = false;
};

}  // namespace quorle::testing
