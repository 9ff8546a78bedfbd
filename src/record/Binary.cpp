#include "record/Binary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace quorle {

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::size_t maxBytes,
                                                        ReadError* error) {
    const auto fail = [error](ReadError why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (error) *error = ReadError::None;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(ReadError::CannotOpen);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(ReadError::CannotOpen);
    }
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return fail(ReadError::TooLarge);
    }
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return fail(ReadError::CannotOpen);
        }
        if (n == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            return fail(ReadError::TooLarge);
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

std::string ProgramFilePath(const std::string& programDirectory, const std::string& name) {
    if (programDirectory.empty()) return name;
    return (std::filesystem::path(programDirectory) / name).string();
}

namespace {

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

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
    if (path.empty()) return false;
    namespace fs = std::filesystem;
    fs::path target(path);
    // A class file reached through a symbolic link is written where the link
    // points, so the link stays a link.
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) target = resolved;
    }
    // A file the teacher made read-only is not replaced behind his back.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string tempName(1, '.');
    tempName.append(target.filename().string()).append(".XXXXXX");
    std::string pattern = (folder / tempName).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;

    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            ::unlink(pattern.c_str());
            return false;
        }
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    bool ok = WriteAll(fd, bytes.data(), bytes.size());
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

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
