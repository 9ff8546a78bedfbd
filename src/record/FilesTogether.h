#pragma once
// Files that belong together (a class and its chart) are replaced all or
// none, whatever fails and wherever the program is killed. While the
// temporary files are renamed over their targets, a note beside the first
// file names each target, its temporary file and a second name of the target
// as it was (a hard link, or a copy where the file system has none): for
// biology.gdr and biology.CHT the note is ".biology.quorle-pair". A failed
// rename puts back the targets already replaced. A note whose writer is gone
// is settled at the next open or write of the files: when every temporary
// file is still there, or none is, the write is finished; otherwise the
// targets already replaced are put back. Either way all are old or all new.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/Binary.h"

namespace quorle {

struct WriteIntent {
    struct Entry {
        std::string target;     // absolute
        std::string temporary;  // in the target's folder, an own file of kind "tmp"
        std::string backup;     // in the target's folder, an own file of kind "old"; empty for a new target
        bool operator==(const Entry&) const = default;
    };
    long pid = 0;      // the writer
    std::string host;  // its computer
    std::vector<Entry> entries;
    bool operator==(const WriteIntent&) const = default;
};

inline constexpr std::size_t kMaxIntentBytes = std::size_t{64} << 10;
inline constexpr std::size_t kMaxIntentEntries = 16;
inline constexpr std::size_t kMaxIntentName = 4096;

// The note's layout: "QRLPAIR1", the writer's pid and the entry count (32-bit
// each), the host, then per entry its target, temporary and backup; each text
// a 32-bit length and its bytes. Nothing when the bytes are not a note this
// program could have written (every name checked as above, nothing after).
std::optional<WriteIntent> ParseWriteIntent(std::span<const unsigned char> bytes);
std::vector<unsigned char> SerializeWriteIntent(const WriteIntent& intent);

// The note of files written together beside path: ".NAME.quorle-pair", NAME
// being path's file name without its extension, so that a class and its chart
// lead to the same note.
std::string IntentFilePath(const std::string& path);
bool IsIntentFileName(std::string_view name);

// The note at notePath when this user's program wrote it: a regular file of
// this user that nobody else may write, that reads as a note.
std::optional<WriteIntent> ReadIntentFile(const std::string& notePath);

// Settles the note at notePath when its writer is gone (a process of this
// computer that no longer runs, or this very process between two writes). A
// file there that is this user's but no note is removed; another user's is
// left alone. True when no note of this program is left.
bool SettleIntentFile(const std::string& notePath);

// Settles the note beside path, if there is one. False, problem saying why,
// when one is left that cannot be settled now (its writer still running or on
// another computer, or putting a file back failed): nothing may be written.
bool SettleInterruptedWrite(const std::string& path, FileProblem* problem = nullptr);

// A write of files together cut short, for tests: while one lives, every step
// of such a write calls atStep with its number first and fails with the errno
// value it returns (0: the step goes on). For n files the steps are: keeping
// each target as it is (0 to n-1), writing the note (n), renaming each
// temporary file (n+1 to 2n), clearing away the note and the kept targets (2n+1).
class ScopedWriteSteps {
public:
    explicit ScopedWriteSteps(std::function<int(int step)> atStep);
    ~ScopedWriteSteps();
    ScopedWriteSteps(const ScopedWriteSteps&) = delete;
    ScopedWriteSteps& operator=(const ScopedWriteSteps&) = delete;
};

}  // namespace quorle
