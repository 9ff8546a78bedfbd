// What the program's own controls give those who read them otherwise: menu
// items named for a screen reader without the key their label carries, and
// check box edges that stand out from what they stand on.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QImage>
#include <QPainter>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOption>
#include <cmath>
#include <memory>

#include "QtTestApp.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtStyle.h"
#include "resources/Menus.h"

namespace quorle::qt {
namespace {

QAction* MenuAction(QtFrame& frame, int id) {
    for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->menu() && action->data().toInt() == id) return action;
    return nullptr;
}

TEST(QtMenuNames, AScreenReaderNamesAnItemWithoutItsKeyAndIsGivenTheKeyAsItsShortcut) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    const struct {
        int id;
        const char* label;  // as the menu shows it
        const char* name;
        const char* keys;
    } cases[] = {
        {resources::cmd::kOpen, "&Open...F3", "Open...", "F3"},
        {resources::cmd::kExit, "E&xit...Alt-x", "Exit...", "Alt+X"},
        {resources::cmd::kNewGrade, "Ne&w Grade...F4", "New Grade...", "F4"},
        // A label without its key keeps its name and still gives the key.
        {resources::cmd::kSave, "&Save", "Save", "Ctrl+S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QAction* action = MenuAction(frame, c.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), c.label);
        EXPECT_TRUE(action->shortcut().isEmpty());
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(action);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_EQ(item->text(QAccessible::Name).toStdString(), c.name);
        EXPECT_EQ(item->text(QAccessible::Accelerator).toStdString(), c.keys);
        // "<mnemonic>;<path>;<shortcut>", as the desktop's readers split it.
        auto* actions = item->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QStringList bindings = actions->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(bindings.size(), 1);
        EXPECT_TRUE(bindings[0].endsWith(QString(";;") + c.keys)) << bindings[0].toStdString();
    }
}

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(QtStyle, CheckBoxEdgesStandOutAtLeastThreeToOne) {
    TestApp();
    std::unique_ptr<QStyle> style(NewQuorleStyle("fusion"));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    const struct {
        const char* what;
        QPalette palette;
        bool checked;
    } cases[] = {
        {"the style's own palette", style->standardPalette(), false},
        {"ticked", style->standardPalette(), true},
        {"a white pane (the selection boxes)", [] {
             QPalette p;
             p.setColor(QPalette::Window, Qt::white);
             p.setColor(QPalette::Base, Qt::white);
             p.setColor(QPalette::WindowText, Qt::black);
             return p;
         }(), false},
        {"a dark desktop", dark, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // The box drawn as a check box draws it, on what it stands on.
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(c.palette.color(QPalette::Window));
        QStyleOptionButton option;
        option.palette = c.palette;
        option.rect = QRect(4, 4, 14, 14);
        option.state = QStyle::State_Enabled | (c.checked ? QStyle::State_On : QStyle::State_Off);
        {
            QPainter painter(&image);
            style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, nullptr);
        }
        // Across its middle: outside, its left edge, its fill.
        const QRgb outside = image.pixel(3, 11), edge = image.pixel(4, 11), fill = image.pixel(6, 11);
        EXPECT_GE(Contrast(edge, outside), 3.0);
        EXPECT_GE(Contrast(edge, fill), 3.0);
    }
}

}  // namespace
}  // namespace quorle::qt
