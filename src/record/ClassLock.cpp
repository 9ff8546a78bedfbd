#include "record/ClassLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <utility>

#include "record/ClassFile.h"
#include "record/FilesTogether.h"

namespace quorle {
namespace {

// The lock files this process holds, by device and inode: flock does not
// tell one program's two locks on a file from two programs'.
using FileId = std::pair<dev_t, ino_t>;
std::mutex g_heldMutex;
std::set<FileId> g_held;

bool HeldByThisProcess(const FileId& id) {
    std::lock_guard<std::mutex> guard(g_heldMutex);
    return g_held.count(id) != 0;
}

void MarkHeld(const FileId& id, bool held) {
    std::lock_guard<std::mutex> guard(g_heldMutex);
    if (held)
        g_held.insert(id);
    else
        g_held.erase(id);
}

LockHolder ReadHolder(int fd) {
    char buffer[256];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return {};
    return ParseLockHolder(std::string_view(buffer, static_cast<std::size_t>(n)));
}

void WriteHolder(int fd) {
    const std::string text = std::to_string(static_cast<long>(::getpid())) + "\n" + ThisHostName() + "\n";
    if (::ftruncate(fd, 0) != 0) return;
    // The names are for people; under flock the lock is the flock, whether they land or not.
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
    ::fsync(fd);
}

std::optional<int> flockFault;

// 0 when locked, or the errno value of the failure.
int LockExclusively(int fd) {
    if (flockFault) return *flockFault;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// The errors of a file system that has no flock.
bool NoFlockHere(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP || error == EINVAL;
}

// Moves aside and removes the lock file at path when it is still the one
// opened; one that another program made meanwhile is put back. 0, or the
// errno value that stopped it.
int RemoveAbandoned(const std::string& path, const struct stat& opened) {
    std::string aside = OwnFilePattern(path, "old");
    const int placeholder = ::mkstemp(aside.data());
    if (placeholder < 0) return errno;
    ::close(placeholder);
    if (::rename(path.c_str(), aside.c_str()) != 0) {
        const int error = errno;
        ::unlink(aside.c_str());
        return error == ENOENT ? 0 : error;
    }
    struct stat moved {};
    if (::lstat(aside.c_str(), &moved) == 0 && (moved.st_dev != opened.st_dev || moved.st_ino != opened.st_ino))
        [[maybe_unused]] const int back = ::link(aside.c_str(), path.c_str());
    ::unlink(aside.c_str());
    return 0;
}

}  // namespace

std::string LockFilePath(const std::string& classPath) {
    namespace fs = std::filesystem;
    const std::string name = NormalizeClassFileName(classPath);
    if (name.empty()) return {};
    std::error_code error;
    // One class, one lock, by whatever path or link it is reached.
    fs::path path = fs::weakly_canonical(fs::absolute(fs::path(name), error), error);
    if (error || path.empty()) path = fs::path(name);
    return (path.parent_path() / ("." + path.filename().string() + ".lock")).string();
}

std::string OpenElsewhereText(const LockHolder& holder) {
    std::string text = "open in another Quorle program";
    if (holder.pid > 0) {
        text += " (process " + std::to_string(holder.pid);
        if (!holder.host.empty()) text += " on " + holder.host;
        text += ")";
    }
    return text;
}

LockHolder ParseLockHolder(std::string_view text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos || end == 0 || end > 10) return {};
    long pid = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return {};
        pid = pid * 10 + (text[i] - '0');
    }
    std::string host;
    for (std::size_t i = end + 1; i < text.size() && text[i] != '\n' && host.size() < 64; ++i) {
        const char c = text[i];
        // Only plain characters reach a message box.
        if (c < ' ' || c > '~') return {};
        host.push_back(c);
    }
    return LockHolder{pid, host};
}

ClassLock& ClassLock::Refuse(FileProblem problem) {
    state_ = LockState::Refused;
    problem_ = std::move(problem);
    return *this;
}

ClassLock ClassLock::Acquire(const std::string& classPath) {
    ClassLock lock;
    lock.path_ = LockFilePath(classPath);
    if (lock.path_.empty()) {
        lock.Refuse(ProblemOf(ENOENT, classPath));
        return lock;
    }
    const char* path = lock.path_.c_str();
    const auto refuse = [&lock](int error) {
        // O_NOFOLLOW's refusal of a link reads as a loop of links.
        lock.Refuse(error == ELOOP ? FileProblem{"Is a symbolic link", lock.path_} : ProblemOf(error, lock.path_));
        return std::move(lock);
    };
    // A lock file that its last holder removed between our open and our lock
    // is not the lock any more: open again (a few times at most).
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Never through a link, and never waiting on something that is not a file.
        const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
        bool made = true;
        int fd = ::open(path, O_RDWR | O_CREAT | O_EXCL | flags, 0644);
        if (fd < 0 && errno == EEXIST) {
            made = false;
            fd = ::open(path, O_RDWR | flags);
            // A lock file in a folder the program may not write is still locked for reading.
            if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) fd = ::open(path, O_RDONLY | flags);
            if (fd < 0 && errno == ENOENT) continue;
        }
        if (fd < 0) return refuse(errno);
        struct stat opened {};
        if (::fstat(fd, &opened) != 0) {
            const int error = errno;
            ::close(fd);
            return refuse(error);
        }
        if (!S_ISREG(opened.st_mode)) {
            ::close(fd);
            lock.Refuse(FileProblem{S_ISDIR(opened.st_mode) ? "Is a folder" : "Is not a regular file", lock.path_});
            return lock;
        }
        const FileId id{opened.st_dev, opened.st_ino};
        if (HeldByThisProcess(id)) {
            ::close(fd);
            lock.state_ = LockState::HeldHere;
            return lock;
        }
        const int error = LockExclusively(fd);
        if (error == EWOULDBLOCK) {
            lock.holder_ = ReadHolder(fd);
            ::close(fd);
            lock.state_ = LockState::HeldElsewhere;
            return lock;
        }
        if (error != 0 && !NoFlockHere(error)) {
            ::close(fd);
            return refuse(error);
        }
        if (error != 0 && !made) {
            // No flock here: the lock file is the lock. One left by a program
            // of this computer that no longer runs is taken over.
            const LockHolder holder = ReadHolder(fd);
            ::close(fd);
            const bool abandoned = holder.host == ThisHostName() &&
                                   (holder.pid == static_cast<long>(::getpid()) || ProcessGone(holder.pid));
            if (!abandoned) {
                lock.holder_ = holder;
                lock.state_ = LockState::HeldElsewhere;
                return lock;
            }
            if (const int removed = RemoveAbandoned(lock.path_, opened); removed != 0) return refuse(removed);
            continue;
        }
        struct stat now {};
        if (error == 0 && (::stat(path, &now) != 0 || now.st_dev != opened.st_dev || now.st_ino != opened.st_ino)) {
            ::close(fd);
            continue;
        }
        // Made, or taken over from a program that ended without removing it:
        // it names this program now.
        WriteHolder(fd);
        MarkHeld(id, true);
        lock.fd_ = fd;
        lock.byFile_ = error != 0;
        lock.state_ = LockState::Held;
        // A write of the class and its chart that a kill cut short is
        // finished or undone before the class is read.
        SettleInterruptedWrite(NormalizeClassFileName(classPath));
        return lock;
    }
    return refuse(EBUSY);
}

void ClassLock::Release() {
    if (fd_ < 0) return;
    struct stat st {};
    const bool known = ::fstat(fd_, &st) == 0;
    if (known) MarkHeld(FileId{st.st_dev, st.st_ino}, false);
    // Removed while still locked, so that no other program locks a file
    // that is on its way out. A lock file that is the lock is removed only
    // while it is still this one.
    struct stat now {};
    if (!byFile_ || (known && ::lstat(path_.c_str(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino))
        ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    byFile_ = false;
    state_ = LockState::None;
}

ClassLock::~ClassLock() { Release(); }

ClassLock::ClassLock(ClassLock&& other) noexcept
    : state_(std::exchange(other.state_, LockState::None)), holder_(std::move(other.holder_)),
      problem_(std::move(other.problem_)), path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)),
      byFile_(std::exchange(other.byFile_, false)) {}

ClassLock& ClassLock::operator=(ClassLock&& other) noexcept {
    if (this != &other) {
        Release();
        state_ = std::exchange(other.state_, LockState::None);
        holder_ = std::move(other.holder_);
        problem_ = std::move(other.problem_);
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
        byFile_ = std::exchange(other.byFile_, false);
    }
    return *this;
}

ScopedLockFault::ScopedLockFault(int error) { flockFault = error; }

ScopedLockFault::~ScopedLockFault() { flockFault.reset(); }

}  // namespace quorle
