#include "platform/Dialog.h"

#include <gtest/gtest.h>

namespace quorle {
namespace {

TEST(FillLabel, ReplacesTheMarkerAndNeverFormats) {
    EXPECT_EQ(platform::FillLabel("%s Average", "Lab2"), "Lab2 Average");
    EXPECT_EQ(platform::FillLabel("%s", "%d%n"), "%d%n");
    EXPECT_EQ(platform::FillLabel("No marker", "x"), "No marker");
}

}  // namespace
}  // namespace quorle
