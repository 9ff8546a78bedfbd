// The windowed module is loaded only from beside the program or from the
// package's folder: when the program cannot tell its own folder, from nowhere.
#include "app/WindowedModule.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace quorle {
namespace {

TEST(WindowedModule, AnExecutableThatCannotBeToldLoadsNothing) {
    testing::TempDir dir;
    dir.Write("file", {'x'});
    std::filesystem::create_symlink("bin/quorle", dir.File("relative"));
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    dir.Write(kWindowedModuleName, {'E', 'L', 'F'});  // planted in the current folder
    for (const auto& [self, reason] : {std::pair(dir.File("missing"), "No such file or directory"),
                                       std::pair(dir.File("file"), "Invalid argument"),
                                       std::pair(dir.File("relative"), "not a full path")}) {
        std::string why;
        EXPECT_EQ(LoadWindowedModule(why, self), nullptr);
        EXPECT_EQ(why, "the program's own folder cannot be read from " + self + ": " + reason);
    }
    std::filesystem::current_path(started);
}

}  // namespace
}  // namespace quorle
