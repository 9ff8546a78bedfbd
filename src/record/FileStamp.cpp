#include "record/FileStamp.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "record/Binary.h"
#include "record/VersionDelta.h"

namespace quorle {
namespace {

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Coarser than any file system's clock (FAT's is two seconds): a file whose
// time is this close to now may yet change without its time changing.
constexpr std::int64_t kClockTickNs = std::int64_t{3} * 1000000000;

std::optional<std::uint64_t> ContentHash(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return VersionChecksum(*bytes);
}

std::optional<FileStamp> StatStamp(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = Nanoseconds(st.st_mtim);
    stamp.changedNs = Nanoseconds(st.st_ctim);
    return stamp;
}

}  // namespace

std::optional<FileStamp> StampFile(const std::string& path) {
    auto stamp = StatStamp(path);
    if (!stamp) return stamp;
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t age = Nanoseconds(now) - std::max(stamp->modifiedNs, stamp->changedNs);
    if (std::llabs(age) < kClockTickNs) stamp->contentHash = ContentHash(path);
    return stamp;
}

bool ChangedOnDisk(const std::optional<FileStamp>& stamp, const std::string& path) {
    if (!stamp) return false;
    auto now = StatStamp(path);
    if (!now) return false;
    now->contentHash = stamp->contentHash;
    if (*now != *stamp) return true;
    return stamp->contentHash && ContentHash(path) != stamp->contentHash;
}

}  // namespace quorle
