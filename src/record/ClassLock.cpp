#include "record/ClassLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <utility>

#include "record/ClassFile.h"

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

// The lock file's words are its holder's pid and host, one a line; anything
// else names nobody. Only a short start of the file is read.
LockHolder ReadHolder(int fd) {
    char buffer[256];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    LockHolder holder;
    if (n <= 0) return holder;
    const std::string text(buffer, static_cast<std::size_t>(n));
    const std::size_t end = text.find('\n');
    if (end == std::string::npos || end == 0 || end > 10) return holder;
    long pid = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return holder;
        pid = pid * 10 + (text[i] - '0');
    }
    std::string host;
    for (std::size_t i = end + 1; i < text.size() && text[i] != '\n' && host.size() < 64; ++i) {
        const char c = text[i];
        // Only plain characters reach a message box.
        if (c < ' ' || c > '~') return holder;
        host.push_back(c);
    }
    holder.pid = pid;
    holder.host = host;
    return holder;
}

std::string ThisHost() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

void WriteHolder(int fd) {
    const std::string text = std::to_string(static_cast<long>(::getpid())) + "\n" + ThisHost() + "\n";
    if (::ftruncate(fd, 0) != 0) return;
    // The names are for people; the lock is the flock, whether they land or not.
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
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

ClassLock ClassLock::Acquire(const std::string& classPath) {
    ClassLock lock;
    lock.path_ = LockFilePath(classPath);
    if (lock.path_.empty()) return lock;
    const char* path = lock.path_.c_str();
    // A lock file that its last holder removed between our open and our lock
    // is not the lock any more: open again (a few times at most).
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Never through a link, and never waiting on something that is not a file.
        const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        int fd = ::open(path, O_RDWR | O_CREAT | flags, 0644);
        if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) fd = ::open(path, O_RDONLY | flags);
        if (fd < 0) return lock;
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return lock;
        }
        const FileId id{opened.st_dev, opened.st_ino};
        if (HeldByThisProcess(id)) {
            ::close(fd);
            lock.state_ = LockState::HeldHere;
            return lock;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            if (busy) lock.holder_ = ReadHolder(fd);
            ::close(fd);
            lock.state_ = busy ? LockState::HeldElsewhere : LockState::Unavailable;
            return lock;
        }
        struct stat now {};
        if (::stat(path, &now) != 0 || now.st_dev != opened.st_dev || now.st_ino != opened.st_ino) {
            ::close(fd);
            continue;
        }
        // Made, or taken over from a program that ended without removing it:
        // it names this program now.
        WriteHolder(fd);
        MarkHeld(id, true);
        lock.fd_ = fd;
        lock.state_ = LockState::Held;
        return lock;
    }
    return lock;
}

void ClassLock::Release() {
    if (fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) == 0) MarkHeld(FileId{st.st_dev, st.st_ino}, false);
    // Removed while still locked, so that no other program locks a file
    // that is on its way out.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    state_ = LockState::Unavailable;
}

ClassLock::~ClassLock() { Release(); }

ClassLock::ClassLock(ClassLock&& other) noexcept
    : state_(std::exchange(other.state_, LockState::Unavailable)), holder_(std::move(other.holder_)),
      path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

ClassLock& ClassLock::operator=(ClassLock&& other) noexcept {
    if (this != &other) {
        Release();
        state_ = std::exchange(other.state_, LockState::Unavailable);
        holder_ = std::move(other.holder_);
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

}  // namespace quorle
