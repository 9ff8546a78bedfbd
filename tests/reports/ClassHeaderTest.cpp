#include "reports/ClassHeader.h"

#include <gtest/gtest.h>

#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

// The canvas's default font: characters 8 wide, lines 16 high.
constexpr ReportUnits kUnits{80, 120, 16};

TEST(ClassHeader, ACourseLineTooWideForThePaperPutsTheInstructorUnderTheCourse) {
    ClassInfo info;
    info.course = "Biology";
    info.instructor = "Ms. Gray";
    info.period = "3";
    using Drawn = std::vector<std::tuple<int, int, std::string>>;
    const std::string makeup = "    Makeup work for ";
    struct Case {
        std::string prefix;
        int pageWidth;
        Drawn header;  // the course and instructor lines
    };
    const Case cases[] = {
        // 10 characters of margin and 42 of text: 416 pixels.
        {"", 416, {{80, 80, "Course: Biology       Instructor: Ms. Gray"}}},
        {"", 415, {{80, 80, "Course: Biology"}, {80, 96, "Instructor: Ms. Gray"}}},
        // The instructor under "Course: ", after the prefix.
        {makeup, 576, {{80, 80, makeup + "Course: Biology       Instructor: Ms. Gray"}}},
        {makeup, 575, {{80, 80, makeup + "Course: Biology"}, {240, 96, "Instructor: Ms. Gray"}}},
        // Still too long: cut at the paper's edge.
        {makeup, 300, {{80, 80, makeup + "Course:"}, {240, 96, "Instruc"}}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        EXPECT_EQ(PrintClassHeader(canvas, kUnits, c.prefix, info, platform::Date{1997, 3, 7}, c.pageWidth), 9 * 16);
        Drawn drawn;
        for (const auto& t : canvas.texts) drawn.emplace_back(t.x, t.y, t.text);
        // The period and the date stay on their line whatever the course line does.
        const Drawn period = {{80, 112, "Period: 3"}, {9 * 8 + 160, 112, "3/7/1997"}};
        ASSERT_EQ(drawn.size(), c.header.size() + 2) << c.pageWidth;
        EXPECT_EQ(Drawn(drawn.begin(), drawn.end() - 2), c.header) << c.prefix << c.pageWidth;
        EXPECT_EQ(Drawn(drawn.end() - 2, drawn.end()), period) << c.pageWidth;
    }
}

}  // namespace
}  // namespace quorle::testing
