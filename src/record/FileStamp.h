#pragma once
// What tells one version of a file on disk from another. A file replaced by
// an atomic write has a new inode even when its size and time agree; a file
// changed in place has a new time or size.
#include <cstdint>
#include <optional>
#include <string>

namespace quorle {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
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
