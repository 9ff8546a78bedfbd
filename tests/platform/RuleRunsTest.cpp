#include "platform/RuleRuns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorle::platform {
namespace {

using Layer = RuleRuns::Layer;
using S = LineSegment;

struct RuleCase {
    std::string what;
    std::vector<Rect> boxes;
    std::vector<S> lines;
    std::vector<Layer> expected;
};

// What a ruled form's boxes and lines become: long lines, a stretch drawn
// twice standing in two layers, boxes apart staying apart.
TEST(RuleRunsTest, BoxesAndLinesBecomeLayersOfLongLines) {
    const std::vector<RuleCase> cases = {
        {"one box", {{0, 0, 10, 5}}, {},
         {Layer{{S{0, 0, 10, 0}, S{0, 5, 10, 5}}, {S{0, 0, 0, 5}, S{10, 0, 10, 5}}}}},
        {"two boxes side by side share the middle edge", {{0, 0, 10, 5}, {10, 0, 20, 5}}, {},
         {Layer{{S{0, 0, 20, 0}, S{0, 5, 20, 5}}, {S{0, 0, 0, 5}, S{10, 0, 10, 5}, S{20, 0, 20, 5}}},
          Layer{{}, {S{10, 0, 10, 5}}}}},
        {"two rows of two: the inner lines twice, across and down the whole form",
         {{0, 0, 10, 5}, {10, 0, 20, 5}, {0, 5, 10, 10}, {10, 5, 20, 10}}, {},
         {Layer{{S{0, 0, 20, 0}, S{0, 5, 20, 5}, S{0, 10, 20, 10}},
                {S{0, 0, 0, 10}, S{10, 0, 10, 10}, S{20, 0, 20, 10}}},
          Layer{{S{0, 5, 20, 5}}, {S{10, 0, 10, 10}}}}},
        {"a gap between boxes stays blank", {{0, 0, 10, 5}, {11, 0, 21, 5}}, {},
         {Layer{{S{0, 0, 10, 0}, S{11, 0, 21, 0}, S{0, 5, 10, 5}, S{11, 5, 21, 5}},
                {S{0, 0, 0, 5}, S{10, 0, 10, 5}, S{11, 0, 11, 5}, S{21, 0, 21, 5}}}}},
        {"lines drawn backwards run left to right and top to bottom; overlaps stack", {},
         {S{30, 7, 0, 7}, S{10, 7, 20, 7}, S{4, 9, 4, 1}},
         {Layer{{S{0, 7, 30, 7}}, {S{4, 1, 4, 9}}}, Layer{{S{10, 7, 20, 7}}, {}}}},
        {"a slanted line, a point and a box without height are not kept",
         {{0, 3, 10, 3}}, {S{0, 0, 5, 5}, S{2, 2, 2, 2}}, {}},
    };
    for (const RuleCase& c : cases) {
        RuleRuns runs;
        for (const Rect& box : c.boxes) runs.AddBox(box);
        for (const S& line : c.lines) runs.Add(line);
        EXPECT_EQ(runs.Empty(), c.expected.empty()) << c.what;
        EXPECT_EQ(runs.Take(), c.expected) << c.what;
        EXPECT_TRUE(runs.Empty()) << c.what;
        EXPECT_TRUE(runs.Take().empty()) << c.what;
    }
}

}  // namespace
}  // namespace quorle::platform
