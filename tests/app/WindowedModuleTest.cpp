// The windowed module is loaded only from beside the program or from the
// package's folder, never from wherever the program was started.
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
    // A module planted in the current folder is never reached.
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    dir.Write(kWindowedModuleName, {'E', 'L', 'F'});
    const struct {
        std::string self;
        std::string why;
    } cases[] = {
        {dir.File("missing"), "No such file or directory"},
        {dir.File("file"), "Invalid argument"},
        {dir.File("relative"), "not a full path"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_EQ(LoadWindowedModule(why, c.self), nullptr);
        EXPECT_EQ(why, "the program's own folder cannot be read from " + c.self + ": " + c.why);
    }
    std::filesystem::current_path(started);
}

}  // namespace
}  // namespace quorle
