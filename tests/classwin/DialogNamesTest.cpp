// Every control a teacher works in a dialog has a name a screen reader can
// say: its own text, the label beside it, or the group it sits in.
#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "resources/ClassDialogs.h"
#include "resources/EditDialogs.h"
#include "resources/GradesInDialogs.h"
#include "resources/GradingDialogs.h"
#include "resources/GridDialogs.h"
#include "resources/ProgressDialogs.h"
#include "resources/ReportDialogs.h"
#include "resources/RosterDialogs.h"
#include "resources/SeatingDialogs.h"
#include "resources/SheetDialogs.h"
#include "resources/TermDialogs.h"
#include "resources/VersionDialogs.h"

namespace quorle::resources {
namespace {

using platform::ControlKind;

bool Worked(ControlKind kind) { return kind != ControlKind::Static && kind != ControlKind::GroupBox; }

TEST(DialogNames, EveryWorkedControlOfEveryDialogHasAName) {
    const std::vector<platform::DialogResource> dialogs{
        ClassInfoDialogResource(),     DisplayOptionsDialogResource(), ExtraNamesDialogResource(),
        GradeTypeDialogResource(),     TitleDialogResource(),          GradeValueDialogResource(),
        EditStudentDialogResource(),   RenameGradeDialogResource(),    SystemDialogResource(),
        WeightsDialogResource(),       NoPlusDialogResource(),         PlusDialogResource(),
        EditGridDialogResource(),      ProgressDialogResource(),       ProgressPrintDialogResource(),
        GradeLevelDialogResource(),    GradePrintDialogResource(),     StudentDialogResource(),
        SeatsInfoDialogResource(),     SeatNumberDialogResource(),     SeatAddDialogResource(),
        ChangeSeatsDialogResource(),   SheetsDialogResource(),         AttendanceDialogResource(),
        DateInfoDialogResource(),      EarlierVersionsDialogResource(), ScoreColumnDialogResource(),
        ImportGradesDialogResource(),  TermGradesDialogResource(),
    };
    for (const auto& d : dialogs) {
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            const auto& c = d.controls[i];
            if (!Worked(c.kind)) continue;
            // Named by texts that are there (or filled in when it opens), or
            // by the caption when it is the dialog's one box.
            std::string name;
            for (int by : platform::NamingControls(d, i)) {
                const auto& label = d.controls[static_cast<std::size_t>(by)];
                name += platform::SpokenLabel(label.text.empty() && label.id >= 0 ? "%s" : label.text);
            }
            if (!c.name.empty()) name = c.name;
            if (name.empty() && platform::NamingControls(d, i).empty()) {
                int boxes = 0;
                for (const auto& other : d.controls) boxes += other.kind == c.kind ? 1 : 0;
                if (boxes == 1) name = d.caption;
            }
            EXPECT_NE(name, "") << d.caption << ": control " << c.id << " (\"" << c.text << "\") has no name";
        }
    }
}

// The 70 boxes of the seat arrangement: named by column and place, and the
// arrow keys move over them as they stand, column by column.
TEST(DialogNames, SeatArrangementBoxesAreNamedAndArrowsMoveOverTheGrid) {
    const auto d = SeatsInfoDialogResource();
    auto box = [&](int k) { return static_cast<std::size_t>(k + 1); };  // "Back" comes first
    EXPECT_EQ(d.controls[box(0)].name, "Column 1, place 1");
    EXPECT_EQ(d.controls[box(9)].name, "Column 1, place 10");
    EXPECT_EQ(d.controls[box(69)].name, "Column 7, place 10");
    const struct {
        int from;
        int dRow;
        int dColumn;
        int to;  // box number, -1: none
    } moves[] = {
        {0, 1, 0, 1},   {0, -1, 0, -1},  {9, 1, 0, -1},  {9, -1, 0, 8},   {0, 0, 1, 10},
        {0, 0, -1, -1}, {15, 0, -1, 5},  {65, 0, 1, -1}, {60, 0, -1, 50}, {34, -1, 0, 33},
    };
    for (const auto& m : moves) {
        const int next = platform::GridNeighbour(d, box(m.from), m.dRow, m.dColumn);
        EXPECT_EQ(next, m.to < 0 ? -1 : static_cast<int>(box(m.to))) << m.from << " " << m.dRow << "," << m.dColumn;
    }
    // Only check boxes move so: not from a label or a button.
    EXPECT_EQ(platform::GridNeighbour(d, 0, 1, 0), -1);
    EXPECT_EQ(platform::GridNeighbour(d, d.controls.size(), 1, 0), -1);
}

}  // namespace
}  // namespace quorle::resources
