// The dialog resources of the class window's commands: every control the
// dialogs address is there once, and no two controls share a grid cell.
#include <gtest/gtest.h>

#include "DialogResourceCheck.h"
#include "resources/ClassDialogs.h"
#include "resources/EditDialogs.h"
#include "resources/GradingDialogs.h"
#include "resources/RosterDialogs.h"

namespace quorle::resources {
namespace {

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

TEST(EditDialogResources, AreTidyAndCarryTheirControls) {
    using K = platform::ControlKind;
    struct Expect {
        int id;
        K kind;
        int limit;
    };
    const struct {
        platform::DialogResource d;
        int resourceId;
        const char* caption;
        std::vector<Expect> controls;
    } dialogs[] = {
        {GradeTypeDialogResource(), 306, "Grade Type",
         {{101, K::RadioButton, 0}, {106, K::RadioButton, 0}, {120, K::Static, 0}, {121, K::Static, 0}}},
        {TitleDialogResource(), 308, "New/Change Grade Title", {{101, K::Edit, 9}}},
        {GradeValueDialogResource(), 307, "New/Change Grade Value", {{101, K::Edit, 5}, {102, K::CheckBox, 0}}},
        {EditStudentDialogResource(), 657, "Edit Student",
         {{103, K::ComboBox, 0}, {102, K::Static, 0}, {109, K::Static, 0}, {101, K::ComboBox, 0},
          {106, K::Edit, 14}, {107, K::Edit, 14}, {110, K::Edit, 4}, {105, K::Edit, 5}, {112, K::CheckBox, 0},
          {111, K::PushButton, 0}, {901, K::PushButton, 0}}},
        {RenameGradeDialogResource(), 658, "Edit/Delete Grade Title",
         {{101, K::ComboBox, 0}, {105, K::Edit, 9}, {111, K::PushButton, 0}}},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.caption);
        ExpectTidy(dialog.d);
        EXPECT_EQ(dialog.d.id, dialog.resourceId);
        EXPECT_EQ(dialog.d.caption, dialog.caption);
        for (const Expect& e : dialog.controls) {
            const auto* c = dialog.d.Find(e.id);
            ASSERT_NE(c, nullptr) << e.id;
            EXPECT_EQ(c->kind, e.kind) << e.id;
            EXPECT_EQ(c->textLimit, e.limit) << e.id;
        }
    }
    EXPECT_TRUE(GradeValueDialogResource().Find(kIdValue)->style & platform::kStylePoints);
    EXPECT_TRUE(EditStudentDialogResource().Find(kIdEditGrade)->style & platform::kStylePoints);
    EXPECT_EQ(GradeValueDialogResource().Find(kIdOmit)->text, "&Omit Grade");
    EXPECT_EQ(EditStudentDialogResource().Find(kIdDeleteStudent)->text, "&Delete Student");
    EXPECT_EQ(EditStudentDialogResource().Find(kIdEditHelp)->text, "&Help");
    EXPECT_EQ(RenameGradeDialogResource().Find(kIdDeleteItem)->text, "&Delete Item");
    const auto type = GradeTypeDialogResource();
    EXPECT_EQ(type.Find(101)->text, "Test");
    EXPECT_EQ(type.Find(104)->text, "Lab");
}

TEST(RosterAndGradingDialogResources, AreTidyAndCarryTheirControls) {
    const struct {
        platform::DialogResource dialog;
        const char* caption;
        std::vector<int> edits;
        int limit;
    } cases[] = {
        {StudentDialogResource(), "Enter/Edit Student Information", {101, 102}, 14},
        {StudentDialogResource(), "Enter/Edit Student Information", {103}, 7},
        {WeightsDialogResource(), "Weighted Percentages", {101, 102, 103, 104, 105, 106}, 5},
        {NoPlusDialogResource(), "Enter Lowest Value for Each", {101, 102, 103, 104}, 5},
        {PlusDialogResource(), "Enter lowest value for each grade.",
         {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112}, 5},
    };
    for (const auto& c : cases) {
        ExpectTidy(c.dialog);
        EXPECT_EQ(c.dialog.caption, c.caption);
        for (int id : c.edits) {
            ASSERT_NE(c.dialog.Find(id), nullptr) << c.caption << " " << id;
            EXPECT_EQ(c.dialog.Find(id)->kind, platform::ControlKind::Edit);
            EXPECT_EQ(c.dialog.Find(id)->textLimit, c.limit) << c.caption << " " << id;
        }
    }
    const auto system = SystemDialogResource();
    ExpectTidy(system);
    EXPECT_EQ(system.caption, "Grading System");
    EXPECT_EQ(system.Find(kIdPoints)->text, "Points");
    EXPECT_EQ(system.Find(kIdWeighted)->kind, platform::ControlKind::RadioButton);
    EXPECT_EQ(system.Find(kIdWeighted)->group, system.Find(kIdPoints)->group);
    EXPECT_EQ(system.Find(kIdPlusMinus)->text, "Plus and Minus Grades?");
}

}  // namespace
}  // namespace quorle::resources
