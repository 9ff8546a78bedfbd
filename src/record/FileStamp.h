#pragma once
// What tells one version of a file on disk from another. A file replaced by
// an atomic write has a new inode even when its size and time agree; a file
// changed in place has a new time or size. A change within the same tick of
// the file system's clock leaves the times as they were: a file stamped while
// its time is that recent also has its contents' hash in its stamp.
#include <cstdint>
#include <optional>
#include <string>

namespace quorle {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;  // the inode's change time
    std::optional<std::uint64_t> contentHash;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path (through a symbolic link, of the file it
// leads to); nothing when no file stands there.
std::optional<FileStamp> StampFile(const std::string& path);

// Whether the file at path is no longer the one stamped: replaced, rewritten
// or changed in place. A file that is gone holds nothing that a write could
// lose, and without a stamp nothing can be told: neither counts as changed.
bool ChangedOnDisk(const std::optional<FileStamp>& stamp, const std::string& path);

}  // namespace quorle
