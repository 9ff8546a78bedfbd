// Offscreen tests of the frame built from the data it is given: the control
// bar's tips, and Cascade keeping the class windows usable.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

#include "platform/qt/QtFrame.h"
#include "resources/Menus.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

class Owner : public platform::ChildWindow {
public:
    bool CanClose() override { return true; }
};

// The client's part of Window > Cascade.
class Cascading : public platform::FrameClient {
public:
    explicit Cascading(QtFrame& frame) : frame_(frame) {}
    void Command(int id) override {
        if (id == resources::cmd::kCascade) frame_.Cascade();
    }
    bool CanCloseFrame() override { return true; }
    void ChildClosed(platform::ChildWindow&) override {}

private:
    QtFrame& frame_;
};

QAction* BarButton(QtFrame& frame, int command) {
    for (QAction* action : frame.ControlBar()->actions())
        if (action->data().toInt() == command) return action;
    return nullptr;
}

TEST(QtFrameLayoutTest, TipsShowTheNameWithTheKeyApart) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    const std::pair<int, const char*> tips[] = {
        {resources::cmd::kOpen, "Open (F3)"},
        {resources::cmd::kNewGrade, "New Grade (F4)"},
        {resources::cmd::kExit, "Exit (Alt+X)"},
        {resources::cmd::kPrintGrades, "Print Grades"},
        {resources::cmd::kCascade, "Cascade"},
    };
    for (const auto& [command, tip] : tips) {
        QAction* button = BarButton(frame, command);
        ASSERT_NE(button, nullptr) << command;
        EXPECT_EQ(button->toolTip(), tip);
    }
}

TEST(QtFrameLayoutTest, CascadeKeepsEveryClassWindowItsOwnSize) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    Cascading client(frame);
    frame.SetClient(&client);
    frame.setGeometry(0, 0, 1024, 768);
    frame.show();
    Owner first, second, third;
    const platform::Rect placement{128, 96, 128 + 600, 96 + 450};
    for (Owner* owner : {&first, &second, &third}) frame.CreateChild(*owner, placement).Show();
    // A window someone shrank to a stub gets a usable size back.
    frame.SubWindow(second)->resize(120, 20);

    BarButton(frame, resources::cmd::kCascade)->trigger();

    const QRect area = frame.MdiArea()->viewport()->rect();
    QList<QRect> places;
    for (Owner* owner : {&first, &second, &third}) places << frame.SubWindow(*owner)->geometry();
    EXPECT_EQ(places[0].size(), QSize(600, 450));
    EXPECT_EQ(places[2].size(), QSize(600, 450));
    EXPECT_GE(places[1].width(), 240);
    EXPECT_GE(places[1].height(), 160);
    for (const QRect& r : places) EXPECT_TRUE(area.contains(r)) << r.x() << "," << r.y();
    // One behind the other, each a step down and right; the active one in front.
    const int step = places[1].top() - places[0].top();
    EXPECT_GT(step, 10);
    EXPECT_EQ(places[1].left() - places[0].left(), step);
    EXPECT_EQ(places[2].top() - places[1].top(), step);
    EXPECT_EQ(frame.MdiArea()->subWindowList(QMdiArea::StackingOrder).back(), frame.MdiArea()->activeSubWindow());
    frame.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("frame-cascade.png"));
    for (Owner* owner : {&first, &second, &third}) frame.DestroyChild(*owner);
    frame.SetClient(nullptr);
}

// A print job disables its class window while it prints; the class that
// printed is still the active one afterwards, so the next command acts on it.
TEST(QtFrameLayoutTest, AWindowDisabledWhileItPrintsStaysActive) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    frame.setGeometry(0, 0, 1024, 768);
    frame.show();
    Owner first, second, third;
    const platform::Rect placement{0, 0, 600, 450};
    platform::ChildHost* hosts[3];
    QLineEdit* keys[3];  // each window's pane that takes the keyboard
    int i = 0;
    for (Owner* owner : {&first, &second, &third}) {
        hosts[i] = &frame.CreateChild(*owner, placement);
        keys[i] = new QLineEdit(frame.SubWindow(*owner)->widget());
        hosts[i++]->Show();
    }
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.ActivateChild(second);
    keys[1]->setFocus();
    ASSERT_EQ(frame.ActiveChild(), &second);
    hosts[1]->Enable(false);
    hosts[1]->Enable(true);
    EXPECT_EQ(frame.ActiveChild(), &second);
    EXPECT_EQ(QApplication::focusWidget(), keys[1]);
    for (Owner* owner : {&first, &second, &third}) frame.DestroyChild(*owner);
}

}  // namespace
}  // namespace quorle::qt
