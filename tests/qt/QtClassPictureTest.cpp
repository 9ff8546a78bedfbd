// The class picture window on real (offscreen) Qt windows: Display > Class
// Picture of each sample class opens it beside its class window, drawn with
// its File menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenuBar>

#include "classwin/ClassWindow.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

QtTopWindow* PictureWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<QtTopWindow*>(widget);
            window && window->isVisible() && window->windowTitle().startsWith("Class Picture - "))
            return window;
    return nullptr;
}

TEST(QtClassPictureTest, EachSampleClassOpensItsPicture) {
    TestApp();
    const struct {
        const char* file;
        const char* caption;
    } samples[] = {{"biology.gdr", "Class Picture - Biology, Period 3"},
                   {"algebra-weighted.gdr", "Class Picture - Algebra II, Period 5"},
                   {"empty.gdr", "Class Picture - Chemistry, Period 1"}};
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.file);
        QtFrame frame;
        frame.show();
        QtUi ui(&frame);
        TDecoChild child(frame, ui, ReadClassFile(SampleClass(sample.file)));
        child.Create(platform::Rect{10, 10, 700, 500});
        EXPECT_EQ(PictureWindow(), nullptr);
        ASSERT_TRUE(child.Command(resources::cmd::kClassPicture));
        QtTopWindow* window = PictureWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle().toStdString(), sample.caption);
        ASSERT_NE(window->menuBar(), nullptr);
        EXPECT_EQ(window->menuBar()->actions().value(0)->text().toStdString(), "&File");
        QApplication::processEvents();
        const QImage image = window->grab().toImage();
        EXPECT_GE(image.width(), 480);
        image.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath(QString("class-picture-%1.png").arg(sample.file)));
        frame.DestroyChild(child);
    }
}

}  // namespace
}  // namespace quorle::qt
