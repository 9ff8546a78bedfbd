// The dialog resources of the class window's commands: every control the
// dialogs address is there once, and no two controls share a grid cell.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "resources/ClassDialogs.h"

namespace quorle::resources {
namespace {

void ExpectTidy(const platform::DialogResource& d) {
    std::set<int> ids;
    std::set<std::tuple<int, int, int>> cells;  // group, row, column
    for (const auto& c : d.controls) {
        if (c.id >= 0) {
            EXPECT_TRUE(ids.insert(c.id).second) << d.caption << ": id " << c.id << " twice";
        }
        for (int r = c.row; r < c.row + c.rowSpan; ++r)
            for (int k = c.column; k < c.column + c.columnSpan; ++k) {
                EXPECT_TRUE(cells.insert({c.group, r, k}).second)
                    << d.caption << ": cell " << r << "," << k << " taken twice (\"" << c.text << "\")";
            }
    }
    ASSERT_NE(d.Find(platform::kIdOk), nullptr);
    ASSERT_NE(d.Find(platform::kIdCancel), nullptr);
    EXPECT_TRUE(d.Find(platform::kIdOk)->style & platform::kStyleDefault);
}

TEST(ClassDialogResources, AreTidyAndCarryTheirControls) {
    const auto info = ClassInfoDialogResource();
    ExpectTidy(info);
    EXPECT_EQ(info.caption, "Class Information");
    EXPECT_EQ(info.Find(kIdCourseTitle)->kind, platform::ControlKind::Edit);

    const auto options = DisplayOptionsDialogResource();
    ExpectTidy(options);
    EXPECT_EQ(options.caption, "Window Display Options");
    for (int id = 102; id <= 123; ++id) {
        ASSERT_NE(options.Find(id), nullptr) << id;
        EXPECT_EQ(options.Find(id)->kind, platform::ControlKind::CheckBox) << id;
    }
    EXPECT_EQ(options.Find(103)->text, "ID #");
    EXPECT_EQ(options.Find(123)->text, "Points Possible");
    EXPECT_EQ(options.Find(150)->text, "%s");
    EXPECT_EQ(options.Find(153)->text, "%s Average");
    EXPECT_EQ(options.Find(155)->text, "%s Points");
    bool heading = false;
    for (const auto& c : options.controls) heading |= c.text == "Select Options for Window Display:";
    EXPECT_TRUE(heading);

    const auto extra = ExtraNamesDialogResource();
    ExpectTidy(extra);
    EXPECT_EQ(extra.caption, "Change Extra 1 or 2 Name");
    EXPECT_EQ(extra.Find(kIdExtra1Name)->textLimit, 6);
    EXPECT_EQ(extra.Find(kIdExtra2Name)->textLimit, 6);
}

}  // namespace
}  // namespace quorle::resources
