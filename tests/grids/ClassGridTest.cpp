#include "grids/ClassGrid.h"

#include <gtest/gtest.h>

#include <memory>

#include "reports/ReportFixtures.h"
#include "resources/GridDialogs.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

namespace r = resources;

// A class window's grid whose windows get in-memory hosts.
struct GridOfClass {
    GridOfClass() : record(PointsClass()), grid(ui, record, 768) {
        AddStudents(record, 2);
        grid.SetWindowMaker([this](TAssignGridWindow& w) { hosts.push_back(std::make_unique<FakeTopWindowHost>(w, TAssignGridWindow::Attributes())); });
        grid.SetFocusClass([this] { ++classFocus; });
    }
    // Main-menu New with one column typed, OK.
    void NewWith(const std::string& heading) {
        ui.dialogs.push_back([heading](FakeDialogHost& host) {
            host.Click(r::kIdInsertColumn);
            host.Type(r::kIdColumnTitle, heading);
            host.PressOk();
        });
        grid.NewGrid();
    }
    FakeUi ui;
    ClassRecord record;
    TClassGrid grid;
    std::vector<std::unique_ptr<FakeTopWindowHost>> hosts;
    int classFocus = 0;
};

TEST(ClassGrid, NewAndOpenOfferAChangedGridForSavingBeforeReplacingIt) {
    TempDir dir;
    dir.Write("two.col", SerializeGridFile({TColumn{FixedText<80>("Essay"), 5}}));
    const struct {
        const char* what;
        bool open;
        Answer answer;
        bool replaced;
    } cases[] = {
        {"New, Cancel keeps the grid", false, Answer::Cancel, false},
        {"New, No replaces it", false, Answer::No, true},
        {"Open, Cancel keeps the grid", true, Answer::Cancel, false},
        {"Open, No replaces it", true, Answer::No, true},
    };
    for (const auto& c : cases) {
        GridOfClass g;
        g.NewWith("Signed");
        ASSERT_TRUE(g.grid.Window()->Modified());
        g.ui.answers.push_back(c.answer);
        g.ui.fileNames.push_back(dir.File("two.col"));
        if (c.open) {
            g.grid.OpenGrid();
        } else {
            g.NewWith("Fresh");
        }
        EXPECT_EQ(g.ui.boxes.at(0).caption, "Save File Changes ?") << c.what;
        EXPECT_EQ(g.hosts.size(), c.replaced ? 2u : 1u) << c.what;
        const std::string heading = g.grid.Window()->Columns().at(0).heading.Str();
        EXPECT_EQ(heading, !c.replaced ? "Signed" : c.open ? "Essay" : "Fresh") << c.what;
        EXPECT_TRUE(g.hosts.back()->IsVisible()) << c.what;
    }
}

TEST(ClassGrid, NothingIsShownWhenNewOrOpenIsCancelled) {
    GridOfClass g;
    g.grid.OpenGrid();  // the open dialog is cancelled
    ASSERT_NE(g.grid.Window(), nullptr);
    EXPECT_FALSE(g.grid.Window()->Visible());
    g.grid.NewGrid();  // the column dialog is cancelled: empty, hidden, the class window has the focus
    EXPECT_FALSE(g.grid.Window()->Visible());
    EXPECT_TRUE(g.grid.Window()->Columns().empty());
    EXPECT_FALSE(g.grid.Window()->Modified());
    EXPECT_EQ(g.classFocus, 1);
}

TEST(ClassGrid, ClosingTheClassAsksOnlyForAChangedGridOnScreen) {
    GridOfClass g;
    EXPECT_TRUE(g.grid.CanClose());  // no grid yet
    g.NewWith("Signed");
    g.ui.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(g.grid.CanClose());
    g.ui.answers.push_back(Answer::No);
    EXPECT_TRUE(g.grid.CanClose());
    EXPECT_EQ(g.ui.boxes.size(), 2u);

    // Closed with No: the grid is gone from the screen and not asked about again.
    g.ui.answers.push_back(Answer::No);
    g.grid.Window()->CloseGrid();
    EXPECT_EQ(g.classFocus, 1);
    EXPECT_TRUE(g.grid.CanClose());
    EXPECT_EQ(g.ui.boxes.size(), 3u);
}

}  // namespace
}  // namespace quorle::testing
