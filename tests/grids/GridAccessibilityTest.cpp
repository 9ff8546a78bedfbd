// The assignment grid read out line by line, as a screen reader gets it.
#include <gtest/gtest.h>

#include "grids/GridAccessibility.h"

namespace quorle::testing {
namespace {

TColumn Column(const std::string& heading, int spaces) {
    TColumn c;
    c.heading = heading;
    c.spaces = spaces;
    return c;
}

TEST(GridAccessibility, HeadingsThenOneLinePerStudent) {
    ClassRecord twoStudents = NewClassRecord();
    AddStudent(twoStudents, "Anderson", "Emily", "1");
    AddStudent(twoStudents, "Brooks", "Marcus", "2");
    const ClassRecord noStudents = NewClassRecord();
    const struct {
        const char* what;
        TColumnList columns;
        const ClassRecord& record;
        std::string summary;
        std::vector<std::string> lines;
    } cases[] = {
        {"two columns, two students",
         {Column("Lab 1", 5), Column("Notes", 20)},
         twoStudents,
         "2 columns, 2 students",
         {"Columns: Lab 1, Notes", "Anderson, Emily", "Brooks, Marcus"}},
        {"a column without a heading", {Column("", 4), Column("  Done ", 4)}, twoStudents, "2 columns, 2 students",
         {"Columns: blank, Done", "Anderson, Emily", "Brooks, Marcus"}},
        {"one column, no students", {Column("Lab", 3)}, noStudents, "1 column, 0 students", {"Columns: Lab"}},
        {"no columns", {}, noStudents, "0 columns, 0 students", {"No columns"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const platform::Scroller scroller;
        const GridAccessibility access(c.columns, c.record, scroller);
        EXPECT_EQ(access.Description(), c.summary);
        EXPECT_EQ(access.Lines(), c.lines);
    }
}

}  // namespace
}  // namespace quorle::testing
