#pragma once
// The one bounds-checked reader and the one writer of the little-endian
// fixed layouts every file of the program uses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/FixedText.h"

namespace quorle {

class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    // Each read returns false, and leaves the target as it was, when the bytes run out.
    bool ReadInt32(std::int32_t& out) {
        if (Remaining() < 4) return false;
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[pos_ + static_cast<std::size_t>(i)];
        out = static_cast<std::int32_t>(v);
        pos_ += 4;
        return true;
    }
    bool ReadFloat(float& out) {
        std::int32_t bits = 0;
        if (!ReadInt32(bits)) return false;
        std::memcpy(&out, &bits, sizeof out);
        return true;
    }
    template <std::size_t N>
    bool ReadText(FixedText<N>& out) {
        if (Remaining() < N) return false;
        out.AssignRaw(bytes_.data() + pos_);
        pos_ += N;
        return true;
    }
    bool ReadBytes(std::size_t n, const unsigned char*& out) {
        if (Remaining() < n) return false;
        out = bytes_.data() + pos_;
        pos_ += n;
        return true;
    }
    // Reads the file's mark and says whether it is the expected one.
    template <std::size_t N>
    bool ReadMark(const char (&mark)[N]) {
        const unsigned char* got = nullptr;
        return ReadBytes(N, got) && std::memcmp(got, mark, N) == 0;
    }
    bool Skip(std::size_t n) {
        if (Remaining() < n) return false;
        pos_ += n;
        return true;
    }

private:
    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
};

class ByteWriter {
public:
    void Reserve(std::size_t n) { bytes_.reserve(n); }
    void WriteInt32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        unsigned char* p = Grow(4);
        for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
    }
    void WriteFloat(float f) {
        std::int32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        WriteInt32(bits);
    }
    // The text, then zeros to the end of the field.
    template <std::size_t N>
    void WriteText(const FixedText<N>& text) {
        const auto view = text.View();
        unsigned char* p = Grow(N);  // zero-filled
        if (!view.empty()) std::memcpy(p, view.data(), std::min(view.size(), N));
    }
    void WriteBytes(const void* data, std::size_t n) {
        if (n != 0) std::memcpy(Grow(n), data, n);
    }
    const std::vector<unsigned char>& Bytes() const { return bytes_; }
    std::vector<unsigned char>& Bytes() { return bytes_; }

private:
    // n more bytes at the end, zero-filled; the place to write them.
    unsigned char* Grow(std::size_t n) {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + n);
        return bytes_.data() + at;
    }

    std::vector<unsigned char> bytes_;
};

// Option and settings files that are bare images of 32-bit values: as many
// whole values as the bytes hold go into values (the rest keep theirs);
// the count read is returned.
std::size_t ReadInt32s(std::span<const unsigned char> bytes, std::span<std::int32_t> values);
std::vector<unsigned char> Int32sBytes(std::span<const std::int32_t> values);

// The largest file any reader takes: a class of a thousand students with three
// hundred grades is under 5 MB, and nothing larger is ever read into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Why a file could not be read or written: the reason in the teacher's words
// ("Permission denied", "No space left on device", "Is a folder") and the
// file it concerns. Empty when nothing went wrong.
struct FileProblem {
    std::string reason;
    std::string path;
    bool tooLarge = false;  // the file is larger than the reader takes

    bool Empty() const { return reason.empty(); }
    // "Permission denied: /home/ann/biology.gdr", the path made absolute (UTF-8).
    std::string Text() const;
};

// The path made absolute, as a message names a file (UTF-8).
std::string ShownPath(const std::string& path);

// The problem of an errno value at path.
FileProblem ProblemOf(int error, const std::string& path);

// A message of the system with the problem on its second line, as a message
// box shows it (Windows-1252); the message alone when there is no problem.
std::string FileMessage(std::string_view message, const FileProblem& problem);

// A settings file in the program directory (the current folder when it is empty).
std::string ProgramFilePath(const std::string& programDirectory, const std::string& name);

// Reads a whole regular file of at most maxBytes. Nothing when it cannot be
// opened or read, is not a regular file (a folder, a pipe or a device: never
// waited on) or is larger; problem, when given, says why.
std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::size_t maxBytes = kMaxFileBytes,
                                                        FileProblem* problem = nullptr);

// A file written atomically in two steps, so that several files can be
// replaced together: Prepare writes a temporary file in the target's folder
// and flushes it to disk, Commit renames it over the target, keeping the
// target's permissions. A prepared file that is never committed is removed.
// A target that exists and is not a regular file, or has no write permission
// for anyone, is refused.
class PendingFile {
public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;

    bool Prepare(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem = nullptr);
    bool Commit(FileProblem* problem = nullptr);
    void Discard();
    // The file the rename goes to and the prepared temporary file.
    const std::string& Target() const { return target_; }
    const std::string& Temporary() const { return temporary_; }
    // Leaves the prepared file where it is, no longer this one's to remove
    // (another record names it).
    void Keep() { temporary_.clear(); }

private:
    std::string path_;       // as given, for the teacher
    std::string target_;     // where the rename goes (a symbolic link followed)
    std::string temporary_;  // empty when nothing is pending
};

// Writes a whole file atomically (Prepare, then Commit). On failure the
// target is exactly as it was and false is returned.
bool WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                         FileProblem* problem = nullptr);

struct FileToWrite {
    std::string path;
    std::span<const unsigned char> bytes;
};
// Writes several files that belong together (a class and its chart): all of
// them are replaced, or none. Every one is written and flushed before any
// replaces its target; a note beside the first (see FilesTogether.h) names the
// files while they are renamed, so that a failed rename puts back those
// already replaced and a kill or power cut between the renames is finished
// or undone at the next open or write of the files.
bool WriteFilesTogether(std::span<const FileToWrite> files, FileProblem* problem = nullptr);

// The name of this computer (empty when it cannot be told).
// Writes all of bytes to the open file, going on after interruptions; false
// with errno set when the write fails (ENOSPC when nothing more goes in).
bool WriteAll(int fd, std::span<const unsigned char> bytes);

// Makes a rename or removal in the folder holding file durable.
void SyncFolderOf(const std::string& file);

std::string ThisHostName();
// Whether no process of this computer has the id pid; this program's own is
// never gone.
bool ProcessGone(long pid);

// The files the program keeps beside a file while it writes it carry a mark
// that no other program gives its files, with the writer's computer and
// process: ".biology.gdr.quorle-tmp-lab-pc-4242-a1B2c3" holds new contents,
// ".biology.gdr.quorle-old-lab-pc-4242-Zx81Qa" the contents being replaced.
struct OwnFileName {
    std::string kind;  // "tmp" or "old"
    std::string host;  // as a file name carries it
    long pid = 0;
};
std::optional<OwnFileName> ParseOwnFileName(std::string_view name);
// The mkstemp pattern (ending "XXXXXX") of such a file of this process beside
// target, short enough for any file name target may have.
std::string OwnFilePattern(const std::string& target, std::string_view kind);

// Removes what writes cut short (by a kill or a power cut) left in a folder:
// first a leftover note of files written together is settled, then the
// program's own files (see OwnFileName) go once their writer is gone: written
// on this computer by a process that no longer runs, and owned by this user.
// Nothing else is touched. Reading a file never calls this.
void RemoveStaleTemporaryFiles(const std::string& folder);

// A failing disk, for tests: while one lives, the writes of files whose name
// ends with suffix fail with the errno value given.
class ScopedWriteFault {
public:
    ScopedWriteFault(std::string suffix, int error);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace quorle
