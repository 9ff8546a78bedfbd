// Telling the file a program read from the file on disk now.
#include "record/FileStamp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "record/Binary.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::TempDir;

// Sets the file's modification time back to the stamp's.
void SetTime(const std::string& path, const FileStamp& stamp) {
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = stamp.modifiedNs / 1000000000;
    times[0].tv_nsec = times[1].tv_nsec = stamp.modifiedNs % 1000000000;
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(FileStamp, ChangedOnDiskWhenReplacedRewrittenOrResizedButNotWhenGone) {
    const std::vector<unsigned char> bytes = {'a', 'b', 'c', 'd'};
    struct Case {
        const char* name;
        std::function<void(TempDir&, const FileStamp&)> change;
        bool changed;
    };
    const Case cases[] = {
        {"left alone", [](TempDir&, const FileStamp&) {}, false},
        {"replaced by an atomic write of the same size and time",
         [](TempDir& dir, const FileStamp& stamp) {
             const std::vector<unsigned char> other = {'w', 'x', 'y', 'z'};
             ASSERT_TRUE(WriteFileAtomically(dir.File("c.gdr"), other));
             SetTime(dir.File("c.gdr"), stamp);
         },
         true},
        {"grown, its time put back",
         [](TempDir& dir, const FileStamp& stamp) {
             std::filesystem::resize_file(dir.File("c.gdr"), 5);
             SetTime(dir.File("c.gdr"), stamp);
         },
         true},
        {"rewritten in place with the same size within a second, its time put back",
         [](TempDir& dir, const FileStamp& stamp) {
             const int fd = ::open(dir.File("c.gdr").c_str(), O_WRONLY);
             ASSERT_EQ(::pwrite(fd, "wxyz", 4, 0), 4);
             ::close(fd);
             SetTime(dir.File("c.gdr"), stamp);
         },
         true},
        {"removed", [](TempDir& dir, const FileStamp&) { std::filesystem::remove(dir.File("c.gdr")); }, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TempDir dir;
        dir.Write("c.gdr", bytes);
        const auto stamp = StampFile(dir.File("c.gdr"));
        ASSERT_TRUE(stamp);
        EXPECT_EQ(stamp->size, 4u);
        k.change(dir, *stamp);
        EXPECT_EQ(ChangedOnDisk(stamp, dir.File("c.gdr")), k.changed);
    }
    // Nothing stamped, nothing to tell; nothing on disk, no stamp.
    TempDir dir;
    dir.Write("c.gdr", bytes);
    EXPECT_FALSE(ChangedOnDisk(std::nullopt, dir.File("c.gdr")));
    EXPECT_FALSE(StampFile(dir.File("none.gdr")));
    EXPECT_FALSE(StampFile(""));
}

}  // namespace
}  // namespace quorle
