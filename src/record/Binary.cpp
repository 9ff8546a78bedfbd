#include "record/Binary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <utility>

#include "platform/Text1252.h"
#include "record/FilesTogether.h"

namespace quorle {

namespace fs = std::filesystem;

namespace {

// The failing disk a test asked for, if any.
struct WriteFault {
    std::string suffix;
    int error = 0;
};
std::optional<WriteFault> activeFault;

int InjectedError(const std::string& path) {
    if (!activeFault) return 0;
    const std::string& suffix = activeFault->suffix;
    if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
        return activeFault->error;
    return 0;
}

std::string SizeText(std::size_t bytes) {
    if (bytes % (std::size_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes % (std::size_t{1} << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + " bytes";
}

std::string ReasonOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return "Permission denied";
        case ENOSPC:
        case EDQUOT: return "No space left on device";
        case EISDIR: return "Is a folder";
        case ENOENT: return "No such file or folder";
        case ENOTDIR: return "A part of the path is not a folder";
        case EROFS: return "Read-only file system";
        case EFBIG: return "File too large";
        case ENAMETOOLONG: return "File name too long";
        case ELOOP: return "Too many symbolic links";
        default: return std::strerror(error);
    }
}

bool Fail(FileProblem* problem, int error, const std::string& path) {
    if (problem) *problem = ProblemOf(error, path);
    return false;
}

// The reason a file that is there is not one to read or replace.
std::string KindProblem(mode_t mode) { return S_ISDIR(mode) ? "Is a folder" : "Is not a regular file"; }

// What a file name may carry of the computer's name: letters, digits, dots
// and dashes, at most 64 of them.
std::string HostForNames() {
    std::string host = ThisHostName();
    if (host.size() > 64) host.resize(64);
    for (char& c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    return host.empty() ? std::string("localhost") : host;
}

bool IsAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string ShownPath(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return error ? path : absolute.lexically_normal().string();
}

std::string FileProblem::Text() const {
    if (reason.empty()) return {};
    if (path.empty()) return reason;
    return reason + ": " + ShownPath(path);
}

FileProblem ProblemOf(int error, const std::string& path) { return FileProblem{ReasonOf(error), path, false}; }

std::string FileMessage(std::string_view message, const FileProblem& problem) {
    std::string text(message);
    if (!problem.Empty()) text += "\n" + platform::Utf8ToCp1252Lossy(problem.Text());
    return text;
}

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::size_t maxBytes,
                                                        FileProblem* problem) {
    if (problem) *problem = FileProblem{};
    const auto fail = [&](int error) -> std::optional<std::vector<unsigned char>> {
        Fail(problem, error, path);
        return std::nullopt;
    };
    // Not blocking: a pipe with no writer, or a device, must not hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (problem) *problem = FileProblem{KindProblem(st.st_mode), path, false};
        return std::nullopt;
    }
    const auto tooLarge = [&]() -> std::optional<std::vector<unsigned char>> {
        ::close(fd);
        if (problem) *problem = FileProblem{"Larger than " + SizeText(maxBytes) + ", the most this file may hold", path, true};
        return std::nullopt;
    };
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxBytes) return tooLarge();
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return fail(error);
        }
        if (n == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return tooLarge();
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

std::string ProgramFilePath(const std::string& programDirectory, const std::string& name) {
    if (programDirectory.empty()) return name;
    return (fs::path(programDirectory) / name).string();
}

PendingFile::~PendingFile() { Discard(); }

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)), target_(std::move(other.target_)), temporary_(std::move(other.temporary_)) {
    other.temporary_.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        Discard();
        path_ = std::move(other.path_);
        target_ = std::move(other.target_);
        temporary_ = std::move(other.temporary_);
        other.temporary_.clear();
    }
    return *this;
}

void PendingFile::Discard() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool PendingFile::Prepare(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem) {
    Discard();
    if (problem) *problem = FileProblem{};
    path_ = path;
    if (path.empty()) return Fail(problem, ENOENT, path);
    fs::path target(path);
    // A class file reached through a symbolic link is written where the link
    // points, so the link stays a link.
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) target = resolved;
    }
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            if (problem) *problem = FileProblem{KindProblem(st.st_mode), path, false};
            return false;
        }
        // A file the teacher made read-only is not replaced behind his back,
        // whoever runs the program.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return Fail(problem, EACCES, path);
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    RemoveStaleTemporaryFiles(folder.string());
    // Made exclusively, readable by nobody else until it has the target's mode.
    std::string pattern = OwnFilePattern(target.string(), "tmp");
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Fail(problem, errno, path);

    int failure = InjectedError(path);
    if (failure == 0 && !WriteAll(fd, bytes)) failure = errno;
    if (failure == 0 && ::fchmod(fd, mode) != 0) failure = errno;
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure != 0) {
        ::unlink(pattern.c_str());
        return Fail(problem, failure, path);
    }
    target_ = target.string();
    temporary_ = pattern;
    return true;
}

bool PendingFile::Commit(FileProblem* problem) {
    if (temporary_.empty()) return Fail(problem, ENOENT, path_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        Discard();
        return Fail(problem, error, path_);
    }
    temporary_.clear();
    // Make the rename itself durable.
    SyncFolderOf(target_);
    return true;
}

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
    const unsigned char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {  // no room, and no error said
            errno = ENOSPC;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

void SyncFolderOf(const std::string& file) {
    fs::path folder = fs::path(file).parent_path();
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

bool WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem) {
    // A write of files together that was cut short is settled first: its undo
    // would otherwise put back what is written now.
    if (!SettleInterruptedWrite(path, problem)) return false;
    PendingFile file;
    return file.Prepare(path, bytes, problem) && file.Commit(problem);
}

std::string ThisHostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

bool ProcessGone(long pid) {
    if (pid <= 0) return false;
    if (pid == static_cast<long>(::getpid())) return false;
    // No process can have an id beyond what pid_t holds.
    if (pid > INT_MAX) return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::optional<OwnFileName> ParseOwnFileName(std::string_view name) {
    // ".", the target's name, ".quorle-", the kind, "-", the host, "-", the
    // process, "-" and six letters or digits.
    constexpr std::size_t kRandom = 6;
    if (name.size() < 1 + kRandom + 1 || name.front() != '.') return std::nullopt;
    for (std::size_t i = name.size() - kRandom; i < name.size(); ++i)
        if (!IsAlnum(name[i])) return std::nullopt;
    std::string_view rest = name.substr(0, name.size() - kRandom);
    if (rest.back() != '-') return std::nullopt;
    rest.remove_suffix(1);
    const std::size_t dash = rest.rfind('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view digits = rest.substr(dash + 1);
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    OwnFileName own;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        own.pid = own.pid * 10 + (c - '0');
    }
    rest = rest.substr(0, dash);
    std::size_t best = std::string_view::npos;
    for (const char* kind : {"tmp", "old"}) {
        const std::string mark = std::string(".quorle-") + kind + "-";
        const std::size_t at = rest.rfind(mark);
        if (at == std::string_view::npos || at == 0 || (best != std::string_view::npos && at < best)) continue;
        best = at;
        own.kind = kind;
        own.host = std::string(rest.substr(at + mark.size()));
    }
    if (best == std::string_view::npos || own.host.empty()) return std::nullopt;
    return own;
}

std::string OwnFilePattern(const std::string& target, std::string_view kind) {
    const fs::path path(target);
    // Mark, host and process take at most 95 bytes: a long name is cut so
    // that the whole stays within the 255 a file name may have.
    std::string name = path.filename().string();
    if (name.size() > 100) name.resize(100);
    return (path.parent_path() / ("." + name + ".quorle-" + std::string(kind) + "-" + HostForNames() + "-" +
                                  std::to_string(::getpid()) + "-XXXXXX"))
        .string();
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    const fs::path where = folder.empty() ? fs::path(".") : fs::path(folder);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    // The files a note of an unfinished write still names stay for it.
    std::set<std::pair<std::string, long>> waiting;
    for (const std::string& name : names) {
        if (!IsIntentFileName(name)) continue;
        const std::string intent = (where / name).string();
        if (SettleIntentFile(intent)) continue;
        if (const auto note = ReadIntentFile(intent)) waiting.emplace(note->host, note->pid);
    }
    const std::string host = HostForNames();
    const uid_t user = ::geteuid();
    for (const std::string& name : names) {
        const auto own = ParseOwnFileName(name);
        if (!own || own->host != host || !ProcessGone(own->pid)) continue;
        if (waiting.count({ThisHostName(), own->pid}) != 0) continue;
        const std::string path = (where / name).string();
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != user) continue;
        ::unlink(path.c_str());
    }
}

ScopedWriteFault::ScopedWriteFault(std::string suffix, int error) { activeFault = WriteFault{std::move(suffix), error}; }

ScopedWriteFault::~ScopedWriteFault() { activeFault.reset(); }

std::size_t ReadInt32s(std::span<const unsigned char> bytes, std::span<std::int32_t> values) {
    ByteReader reader(bytes);
    std::size_t read = 0;
    for (auto& value : values) {
        if (!reader.ReadInt32(value)) break;
        ++read;
    }
    return read;
}

std::vector<unsigned char> Int32sBytes(std::span<const std::int32_t> values) {
    ByteWriter writer;
    writer.Reserve(values.size() * 4);
    for (const auto value : values) writer.WriteInt32(value);
    return std::move(writer.Bytes());
}

}  // namespace quorle
