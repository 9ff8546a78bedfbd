// The seating chart window on a real (offscreen) Qt window: the sample chart
// drawn with its menu, and scrolled to its right end.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QScrollBar>

#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "record/ClassFile.h"
#include "seating/SeatingChartWindow.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

class Owner : public platform::ChildWindow {
public:
    bool CanClose() override { return true; }
};

TEST(QtSeatingChartTest, TheSampleChartIsDrawnAndScrolls) {
    TestApp();
    QtFrame frame;
    frame.show();
    QtUi ui(&frame);
    Owner owner;
    frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show();
    ClassRecord record = ReadClassFile(std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr");

    TSeatingChartWindow chart(ui, record);
    frame.CreateTopWindow(chart, owner, ChartWindowAttributes());
    auto* window = dynamic_cast<QtTopWindow*>(chart.TopHost());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(chart.LoadAndShow(record.fileName));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Seating Chart for " + std::string(QUORLE_EXAMPLES_DIR) + "/biology.CHT");
    const QImage picture = window->grab().toImage();
    picture.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("seating-chart.png"));
    // The picture is wider than the window: End scrolls to its right end.
    EXPECT_GT(chart.GetScroller().xRange, 0);
    chart.KeyDown(platform::Key::End);
    EXPECT_EQ(chart.GetScroller().xPos, chart.GetScroller().xRange);
    EXPECT_EQ(window->View()->horizontalScrollBar()->value(), chart.GetScroller().xRange);

    frame.DestroyChild(owner);
}

}  // namespace
}  // namespace quorle::qt
