// Undo and Redo in the real windows: a grade set deleted through the right
// click and Yes comes back with Ctrl+Z, byte for byte, and goes again with
// Ctrl+Y; the Edit menu names the step.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "ClassOnFrame.h"
#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace cmd = resources::cmd;

// Presses the button of the next message box whose text starts with label.
void PressOnNextBox(const QString& label) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    // Waits up to a minute: a machine under load may be slow to show it.
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, label, clock] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if ((!box || !box->isVisible()) && clock->elapsed() < 60000) return;
        timer->stop();
        timer->deleteLater();
        if (!box) return;
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove('&').startsWith(label)) button->click();
    });
    timer->start();
}

TEST(QtUndo, DeletedGradeSetComesBackWithCtrlZAndGoesAgainWithCtrlY) {
    ClassOnFrame on({"biology.gdr", "biology.CHT"});
    ASSERT_NE(on.child, nullptr);
    ASSERT_TRUE(on.active);
    testing::TempDir& dir = on.dir;
    QtFrame& frame = on.frame;
    TDecoClient& client = on.client;
    const auto copy = dir.Read("biology.gdr");
    EXPECT_FALSE(frame.CommandAction(cmd::kUndo)->isEnabled());
    EXPECT_EQ(frame.CommandAction(cmd::kUndo)->text(), "&Undo");

    auto* child = dynamic_cast<TDecoChild*>(frame.Children().front());
    ASSERT_NE(child, nullptr);
    auto* pane = dynamic_cast<QtWindowHost*>(child->Grades().Host());
    ASSERT_NE(pane, nullptr);
    pane->viewport()->repaint();
    ASSERT_FALSE(child->Grades().HeadingSquares().empty());
    const TSquare heading = child->Grades().HeadingSquares().front();
    const std::string title =
        child->Record().PossibleRow().scores[heading.first][static_cast<std::size_t>(heading.second)].title.Str();
    PressOnNextBox("Yes");
    QTest::mouseClick(pane->viewport(), Qt::RightButton, {},
                      QPoint((heading.left + heading.right) / 2, (heading.top + heading.bottom) / 2));
    const auto deleted = dir.Read("biology.gdr");
    ASSERT_NE(deleted, copy);
    EXPECT_EQ(frame.CommandAction(cmd::kUndo)->text().toStdString(), "&Undo Delete " + title);
    EXPECT_TRUE(frame.CommandAction(cmd::kUndo)->isEnabled());

    // The keys go where the teacher types: the pane that has the focus.
    const auto press = [&frame](Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &frame, key, Qt::ControlModifier);
    };
    ASSERT_EQ(frame.ActiveChild(), child);
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    press(Qt::Key_Z);
    EXPECT_EQ(dir.Read("biology.gdr"), copy);
    EXPECT_EQ(frame.CommandAction(cmd::kRedo)->text().toStdString(), "&Redo Delete " + title);
    EXPECT_FALSE(frame.CommandAction(cmd::kUndo)->isEnabled());

    press(Qt::Key_Y);
    EXPECT_EQ(dir.Read("biology.gdr"), deleted);
    press(Qt::Key_Z);
    EXPECT_EQ(dir.Read("biology.gdr"), copy);

    // How the Edit menu looks with a step to redo.
    QMenu* edit = frame.menuBar()->actions()[1]->menu();
    ASSERT_NE(edit, nullptr);
    edit->popup(frame.mapToGlobal(QPoint(60, 40)));
    QApplication::processEvents();
    edit->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("edit-menu-undo.png"));
    frame.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("frame-undo.png"));
    edit->hide();
    client.Command(cmd::kCloseAll);
    QApplication::processEvents();
    frame.SetClient(nullptr);
}

}  // namespace
}  // namespace quorle::qt
