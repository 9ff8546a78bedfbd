#include "grading/DisplayOptions.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace quorle::testing {
namespace {

TEST(DisplayOptionsFile, RoundTripsAndRefusesShortFiles) {
    TempDir dir;
    DisplayFlags flags{};
    for (int i = 0; i < kDisplayFlagCount; ++i) flags[i] = i % 3 == 0 ? 0 : 1;
    ASSERT_TRUE(WriteDisplayOptions(dir.File("QUORLE.OPT"), flags));
    auto bytes = dir.Read("QUORLE.OPT");
    ASSERT_EQ(bytes.size(), 88u);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[5], 0);
    DisplayFlags read{};
    read.fill(7);
    EXPECT_TRUE(ReadDisplayOptions(dir.File("QUORLE.OPT"), read));
    EXPECT_EQ(read, flags);

    bytes.pop_back();
    dir.Write("short.OPT", bytes);
    DisplayFlags kept{};
    kept.fill(7);
    EXPECT_FALSE(ReadDisplayOptions(dir.File("short.OPT"), kept));
    EXPECT_EQ(kept[0], 7);
    EXPECT_FALSE(ReadDisplayOptions(dir.File("none.OPT"), kept));
    EXPECT_FALSE(WriteDisplayOptions(dir.File("none/QUORLE.OPT"), flags));
    EXPECT_EQ(DisplayOptionsPath(""), "QUORLE.OPT");
    EXPECT_EQ(DisplayOptionsPath("/p/"), "/p/QUORLE.OPT");
    EXPECT_EQ(DisplayOptionsPath("/p"), "/p/QUORLE.OPT");
}

}  // namespace
}  // namespace quorle::testing
