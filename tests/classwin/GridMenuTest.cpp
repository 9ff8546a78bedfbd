// The Assignment Grid menu of a class window, with the grid window on a fake frame.
#include <gtest/gtest.h>

#include "classwin/ClassFixture.h"
#include "grids/ClassGrid.h"
#include "resources/GridDialogs.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

namespace cmd = resources::cmd;

DialogScript AddColumn(std::string heading) {
    return [heading](FakeDialogHost& host) {
        host.Click(resources::kIdInsertColumn);
        host.Type(resources::kIdColumnTitle, heading);
        host.PressOk();
    };
}

TEST(GridMenu, NewMakesTheGridWindowWithItsMenuAndSaveFollowsTheChanges) {
    TempDir dir;
    ClassWindowFixture f(SmallClass());
    f.ui.dialogs.push_back(AddColumn("Signed"));
    f.child->Command(cmd::kGridNew);
    ASSERT_EQ(f.frame.TopWindows().size(), 1u);
    FakeTopWindowHost& grid = *f.frame.TopWindows()[0];
    EXPECT_TRUE(grid.IsVisible());
    EXPECT_EQ(grid.caption, "Untitled Assignment Grid");
    EXPECT_EQ(grid.MenuLabels(), (std::vector<std::string>{"&Grid", "&New", "&Open", "&Save", "Save &As",
                                                           "&Delete Grid", "&Print Grid", "-", "&Close Grid", "&Edit",
                                                           "&Columns"}));
    EXPECT_EQ(grid.HoverMenuItem(cmd::kGridWindowSave), "Saves the presently displayed grid to disk.");
    EXPECT_TRUE(grid.CommandEnabled(cmd::kGridWindowSave));
    // The class's students under the new column.
    const RecordingCanvas canvas = grid.Paint();
    EXPECT_NE(canvas.Find("Signed"), nullptr);
    EXPECT_NE(canvas.Find("Baker         B."), nullptr);

    f.ui.fileNames.push_back(dir.File("check"));
    grid.ChooseCommand(cmd::kGridWindowSave);
    EXPECT_TRUE(dir.Exists("check.col"));
    EXPECT_FALSE(grid.CommandEnabled(cmd::kGridWindowSave));
    f.ui.dialogs.push_back(AddColumn("Back"));
    grid.ChooseCommand(cmd::kGridColumns);
    EXPECT_TRUE(grid.CommandEnabled(cmd::kGridWindowSave));

    // The close box is Close Grid: the changed grid is offered for saving first.
    f.ui.answers.push_back(Answer::Cancel);
    grid.PressCloseBox();
    EXPECT_TRUE(grid.IsVisible());
    EXPECT_EQ(f.ui.boxes.back().caption, "Save File Changes ?");
}

TEST(GridMenu, AClassWindowWithAChangedGridAsksBeforeClosing) {
    ClassWindowFixture f(SmallClass());
    f.ui.dialogs.push_back(AddColumn("Signed"));
    f.child->Command(cmd::kGridNew);
    f.ui.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(f.child->CanClose());
    EXPECT_EQ(f.ui.boxes.back().text, "Untitled Assignment Grid has changed.  Save changes ?");
}

}  // namespace
}  // namespace quorle::testing
