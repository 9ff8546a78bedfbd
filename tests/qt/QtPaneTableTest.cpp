// The grades pane as a table in the real windows: a click on a cell, a value
// typed and Enter reach the class file through the Qt window host, and the
// cursor stands on the next student; scrolled to the last row, the headings
// and the Possible Points row are still on screen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QImage>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "ClassOnFrame.h"
#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

TEST(QtPaneTable, ClickTypeAndEnterStoreTheValueAndMoveDown) {
    ClassOnFrame on({"biology.gdr"}, QSize(900, 500));
    ASSERT_TRUE(on.active);
    TDecoChild* child = on.child;
    ASSERT_NE(child, nullptr);
    testing::TempDir& dir = on.dir;
    QtFrame& frame = on.frame;
    auto* pane = dynamic_cast<QtWindowHost*>(child->Grades().Host());
    ASSERT_NE(pane, nullptr);
    // A class window lower than its rows, so that they scroll.
    for (QWidget* w = pane; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->setGeometry(0, 0, 760, 300);
            break;
        }
    QApplication::processEvents();
    pane->viewport()->repaint();
    ASSERT_FALSE(child->Grades().CellSquares().empty());
    // The first grade cell of the first student.
    TSquare cell{};
    for (const TSquare& sq : child->Grades().CellSquares())
        if (sq.first == 1) {
            cell = sq;
            break;
        }
    ASSERT_EQ(cell.first, 1);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {},
                      QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    ASSERT_TRUE(child->Grades().Cursor());
    EXPECT_EQ(child->Grades().Cursor()->row, 1);
    QTest::keyClicks(pane, "7.25");
    EXPECT_EQ(child->Grades().EntryText(), "7.25");
    // Only the cell being typed into is editable for a screen reader.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(pane);
    ASSERT_NE(table->focusChild(), nullptr);
    EXPECT_TRUE(table->focusChild()->state().editable);
    EXPECT_FALSE(table->tableInterface()->cellAt(0, 0)->state().editable);
    QTest::keyClick(pane, Qt::Key_Return);
    EXPECT_EQ(child->Grades().Cursor()->row, 2);
    const ClassRecord read = ParseClassFile(dir.Read("biology.gdr"));
    EXPECT_EQ(read.Row(1).scores[cell.kind][static_cast<std::size_t>(cell.second)].value, 7.25f);
    EXPECT_EQ(child->History().StepCount(), 1u);
    // The keyboard leaving the table for another control stores a value typed too.
    QTest::keyClicks(pane, "3");
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    const ClassRecord after = ParseClassFile(dir.Read("biology.gdr"));
    EXPECT_EQ(after.Row(2).scores[cell.kind][static_cast<std::size_t>(cell.second)].value, 3.0f);
    elsewhere.close();
    frame.activateWindow();
    pane->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();

    // Tab reaches the pane (not the next widget) and moves the cursor right.
    const int column = child->Grades().Cursor()->column;
    QTest::keyClick(pane, Qt::Key_Tab);
    EXPECT_EQ(child->Grades().Cursor()->column, column + 1);

    // Ctrl+End: the last student; the heading line stays on screen.
    QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(child->Grades().Cursor()->row, child->Record().RowCount() - 1);
    QTest::keyClick(pane, Qt::Key_Home);  // back to the grade columns, on the last row
    EXPECT_EQ(child->Grades().Cursor()->row, child->Record().RowCount() - 1);
    pane->viewport()->repaint();
    ASSERT_FALSE(child->Grades().HeadingSquares().empty());
    EXPECT_GT(pane->GetWindow()->GetScroller().yPos, 0);
    const int dy = pane->GetWindow()->GetScroller().yPos * pane->GetWindow()->GetScroller().yUnit;
    EXPECT_EQ(child->Grades().HeadingSquares().front().top, dy);

    // Ctrl+Shift+S sorts the view by the cursor's column, highest first; the
    // file keeps the roster order.
    const auto before = dir.Read("biology.gdr");
    QTest::keyClick(pane, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(child->Grades().SortColumn(), child->Grades().Cursor()->column);
    EXPECT_EQ(dir.Read("biology.gdr"), before);
    if (const char* shot = std::getenv("QUORLE_SHOT")) frame.grab().save(QString::fromLocal8Bit(shot));
}

TEST(QtPaneTable, EnterInTheFindBoxPutsTheCursorOnTheStudent) {
    ClassOnFrame on;
    TDecoChild* child = on.child;
    ASSERT_NE(child, nullptr);

    // In the box: "mull", Enter (the box stays open), then Close.
    int found = -1;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [&found, timer, child] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        auto* edit = dialog->findChild<QLineEdit*>();
        if (edit) {
            QTest::keyClicks(edit, "mull");
            QTest::keyClick(edit, Qt::Key_Return);
            if (child->Grades().Cursor()) found = child->Grades().Cursor()->row;
        }
        if (const char* shot = std::getenv("QUORLE_FIND_SHOT")) dialog->grab().save(QString::fromLocal8Bit(shot));
        dialog->reject();
    });
    timer->start();
    child->Command(resources::cmd::kFindStudent);
    ASSERT_GT(found, 0);
    EXPECT_EQ(child->Record().Row(found).lastName.Str(), "M\xFCller");
}

}  // namespace
}  // namespace quorle::qt
