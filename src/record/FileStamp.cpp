#include "record/FileStamp.h"

#include <sys/stat.h>

namespace quorle {

std::optional<FileStamp> StampFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

bool ChangedOnDisk(const std::optional<FileStamp>& stamp, const std::string& path) {
    if (!stamp) return false;
    const auto now = StampFile(path);
    return now && *now != *stamp;
}

}  // namespace quorle
