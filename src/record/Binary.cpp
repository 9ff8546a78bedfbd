#include "record/Binary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/Text1252.h"

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

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string text) {
    for (char& c : text) c = Lower(c);
    return text;
}

// Whether a file name is one a write of this program gives its temporary file:
// "." + the name of a program file + "." + six letters or digits.
bool IsOwnTemporaryName(const std::string& name) {
    constexpr std::size_t kRandomPart = 6;
    if (name.size() < 1 + 1 + 1 + kRandomPart || name.front() != '.') return false;
    const std::size_t dot = name.size() - kRandomPart - 1;
    if (name[dot] != '.') return false;
    for (std::size_t i = dot + 1; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    const std::string target = Lowered(name.substr(1, dot - 1));
    if (target.rfind("quorle.", 0) == 0) return true;
    const std::size_t extension = target.rfind('.');
    if (extension == std::string::npos || extension == 0) return false;
    const std::string ext = target.substr(extension + 1);
    return ext == "gdr" || ext == "cht" || ext == "col" || ext == "csv";
}

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
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Fail(problem, errno, path);

    int failure = InjectedError(path);
    if (failure == 0 && !WriteAll(fd, bytes.data(), bytes.size())) failure = errno;
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
    fs::path folder = fs::path(target_).parent_path();
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem) {
    PendingFile file;
    return file.Prepare(path, bytes, problem) && file.Commit(problem);
}

bool WriteFilesTogether(std::span<const FileToWrite> files, FileProblem* problem) {
    std::vector<PendingFile> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!pending[i].Prepare(files[i].path, files[i].bytes, problem)) return false;
    for (PendingFile& file : pending)
        if (!file.Commit(problem)) return false;
    return true;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOwnTemporaryName(name)) continue;
        std::error_code fileError;
        if (!it->is_regular_file(fileError) || it->is_symlink(fileError)) continue;
        const auto written = fs::last_write_time(it->path(), fileError);
        if (fileError || now - written < std::chrono::minutes(1)) continue;
        fs::remove(it->path(), fileError);
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
