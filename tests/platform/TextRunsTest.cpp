// Fixed-pitch texts joined into runs as a printed line is drawn.
#include "platform/TextRuns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorle::platform {
namespace {

// Texts of one line in a fixed-pitch font join into one run when their gaps
// are whole characters; anything else goes out on its own, in order.
TEST(TextRunsTest, JoinOneLineOfFixedPitchText) {
    struct Put {
        int x, y;
        std::string text;
        bool operator==(const Put&) const = default;
    };
    std::vector<Put> put;
    TextRuns runs([&put](int x, int y, const std::string& text) { put.push_back({x, y, text}); });
    runs.SetAdvance(10);
    runs.Add(0, 0, "Name");
    runs.Add(60, 0, "85.0");   // two characters on
    runs.Add(0, 20, "Next");   // another line, kept open beside the first
    runs.Add(105, 0, "x");     // half a character off: the first line's run goes out
    runs.Flush();
    EXPECT_EQ(put, (std::vector<Put>{{0, 0, "Name  85.0"}, {0, 20, "Next"}, {105, 0, "x"}}));
    put.clear();
    runs.SetAdvance(0);
    runs.Add(0, 0, "a");
    runs.Add(10, 0, "b");
    EXPECT_EQ(put, (std::vector<Put>{{0, 0, "a"}, {10, 0, "b"}}));
}

}  // namespace
}  // namespace quorle::platform
