// Offscreen: the assignment grid window as a real top-level window, with menu 2
// and the ruled table of the class's students painted through Qt.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include "grids/AssignGridWindow.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

class Owner : public platform::ChildWindow {
public:
    bool CanClose() override { return true; }
};

TEST(QtGridWindowTest, GridWindowShowsItsMenuAndPaintsTheRuledTable) {
    TestApp();
    QtFrame frame;
    frame.show();
    Owner owner;
    frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show();
    QtUi ui(&frame);

    ClassRecord record = NewClassRecord();
    record.info.course = "Biology";
    record.info.period = "3";
    for (int i = 1; i <= 25; ++i) AddStudent(record, "Student" + std::to_string(i), "Ann", std::to_string(i));
    TAssignGridWindow grid(ui, record, 768);
    grid.Columns() = {TColumn{FixedText<80>("Signed"), 6}, TColumn{FixedText<80>("Paid"), 4}};
    frame.CreateTopWindow(grid, owner, TAssignGridWindow::Attributes());
    auto* window = dynamic_cast<QtTopWindow*>(grid.TopHost());
    ASSERT_NE(window, nullptr);
    grid.ShowWindow();
    grid.TopHost()->EnableCommand(resources::cmd::kGridWindowSave, false);
    window->resize(900, 700);
    QApplication::processEvents();

    EXPECT_EQ(window->windowTitle(), "Assignment Grid");
    QStringList labels;
    for (QAction* popup : window->menuBar()->actions()) {
        labels << popup->text();
        for (QAction* a : popup->menu()->actions()) labels << (a->isSeparator() ? "-" : a->text());
    }
    EXPECT_EQ(labels, (QStringList{"&Grid", "&New", "&Open", "&Save", "Save &As", "&Delete Grid", "&Print Grid", "-",
                                   "&Close Grid", "&Edit", "&Columns"}));
    EXPECT_FALSE(window->CommandAction(resources::cmd::kGridWindowSave)->isEnabled());

    const QImage picture = window->grab().toImage();
    picture.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("grid-window.png"));
    // The scroller covers two groups (20 and 5 students) and the table's width.
    const auto& s = grid.GetScroller();
    EXPECT_GT(s.yRange * s.yUnit, (9 + 40 + 1 + 3 + 9 + 10) * s.yUnit);
    EXPECT_GE(s.xRange, 3 + 1 + 17 + 7 + 5 + 1);
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 80;
    EXPECT_GT(dark, 2000);  // rules and names were drawn
}

}  // namespace
}  // namespace quorle::qt
