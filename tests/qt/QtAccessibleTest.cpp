// What Qt's accessibility layer (and with it a screen reader) is told, read
// offscreen through QAccessible: dialog controls named after their labels, and
// a window's table model as a table of cells with headers and places.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include "platform/Window.h"
#include "platform/qt/QtDialogHost.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/GradingDialogs.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

QString NameOf(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(QtAccessibleTest, DialogBoxesAreNamedAfterTheirLabelsAsShown) {
    TestApp();
    platform::Dialog dialog(resources::WeightsDialogResource());
    QtDialogHost host(dialog, nullptr);
    const struct {
        int id;
        const char* name;
    } boxes[] = {{resources::kIdFirstWeight, "Tests"},     {resources::kIdFirstWeight + 1, "Quizzes"},
                 {resources::kIdFirstWeight + 2, "Homework"}, {resources::kIdFirstWeight + 3, "Labs"},
                 {resources::kIdFirstWeight + 4, "%s"},     {platform::kIdOk, "OK"}};
    for (const auto& b : boxes) EXPECT_EQ(NameOf(host.Control(b.id)), QString(b.name)) << b.id;
    // A label filled in when the dialog opens renames its box.
    host.SetText(resources::kIdExtra1WeightLabel, "Projects :");
    EXPECT_EQ(NameOf(host.Control(resources::kIdFirstWeight + 4)), QString("Projects"));
}

class TwoByThree : public platform::AccessibleTable {
public:
    std::string TableName() const override { return "Algebra grades"; }
    int RowCount() const override { return 2; }
    int ColumnCount() const override { return 3; }
    std::string ColumnHeader(int c) const override { return "H" + std::to_string(c); }
    std::string RowHeader(int r) const override { return r == 0 ? "Possible, Points" : "Sch\xe4" "fer, Zo\xeb"; }
    std::string CellText(int r, int c) const override { return std::to_string(r) + "/" + std::to_string(c); }
    std::optional<platform::CellPosition> FocusedCell() const override { return platform::CellPosition{1, 2}; }
    std::optional<platform::Rect> CellRect(int r, int c) const override {
        return platform::Rect{c * 80, r * 16, c * 80 + 80, r * 16 + 16};
    }
};

class Blank : public platform::Window {
public:
    void Paint(platform::Canvas&, const platform::Rect&) override {}
};

TEST(QtAccessibleTest, AWindowsTableIsReadCellByCell) {
    TestApp();
    Blank window;
    QtWindowHost host(window, nullptr, false);
    host.resize(400, 200);
    QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(&host);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->tableInterface(), nullptr);  // no model: no table

    TwoByThree table;
    host.SetAccessibleTable(&table);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&host);
    ASSERT_NE(iface->tableInterface(), nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Pane);  // read as a table, spoken a cell at a time
    EXPECT_EQ(iface->text(QAccessible::Name), "Algebra grades");
    QAccessibleTableInterface* t = iface->tableInterface();
    EXPECT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(iface->childCount(), 6);
    EXPECT_EQ(t->columnDescription(2), "H2");
    EXPECT_EQ(t->rowDescription(1), QString::fromUtf8("Sch\u00e4fer, Zo\u00eb"));  // single-byte names as the desktop's
    QAccessibleInterface* cell = t->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "1/2");
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(iface->child(5), cell);
    EXPECT_EQ(iface->indexOfChild(cell), 5);
    EXPECT_EQ(iface->focusChild(), cell);
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), "H2");
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
              QString::fromUtf8("Sch\u00e4fer, Zo\u00eb"));
    EXPECT_EQ(cell->rect().size(), QSize(80, 16));
    EXPECT_EQ(cell->rect().topLeft(), host.viewport()->mapToGlobal(QPoint(160, 16)));
    // Outside the table: nothing.
    EXPECT_EQ(t->cellAt(2, 0), nullptr);
    EXPECT_EQ(t->cellAt(0, 3), nullptr);
    EXPECT_EQ(iface->child(6), nullptr);
    // The model taken back: the cells say they are gone.
    host.SetAccessibleTable(nullptr);
    EXPECT_FALSE(cell->isValid());
    EXPECT_EQ(cell->text(QAccessible::Name), "");
}

class BlankTop : public platform::TopWindow {
public:
    void Paint(platform::Canvas&, const platform::Rect&) override {}
};

// A top-level window that belongs to the frame alone (the term grades) reads
// as the table it hands its host, not as its picture's lines.
TEST(QtAccessibleTest, AFrameWindowsTableIsReadAsATable) {
    TestApp();
    QtFrame frame;
    BlankTop window;
    auto* top = dynamic_cast<QtTopWindow*>(&frame.CreateFrameTopWindow(window, {}));
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->parentWidget(), &frame);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(top->View())->tableInterface(), nullptr);
    TwoByThree table;
    window.Host()->SetAccessibleTable(&table);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(top->View());
    ASSERT_NE(iface->tableInterface(), nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "Algebra grades");
    EXPECT_EQ(iface->focusChild()->text(QAccessible::Name), "1/2");
    window.Host()->SetAccessibleTable(nullptr);
}

}  // namespace
}  // namespace quorle::qt
