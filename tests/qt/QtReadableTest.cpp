// Menu items named for a screen reader without the key their label carries,
// and check box edges that stand out from what they stand on.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QPainter>
#include <QStyleOption>
#include <cmath>
#include <memory>

#include "QtTestApp.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtStyle.h"
#include "resources/Menus.h"

namespace quorle::qt {
namespace {

TEST(QtMenuNames, AScreenReaderNamesAnItemWithoutItsKeyAndIsGivenTheKeyAsItsShortcut) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    namespace c = resources::cmd;
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {c::kOpen, "&Open...F3", "Open...", "F3"},
        {c::kExit, "E&xit...Alt-x", "Exit...", "Alt+X"},
        {c::kSave, "&Save", "Save", "Ctrl+S"},  // a label without its key
    };
    for (const auto& [id, label, name, keys] : cases) {
        QAction* action = frame.CommandAction(id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), label);  // as the menu shows it
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(action);
        ASSERT_TRUE(item && item->actionInterface());
        EXPECT_EQ(item->text(QAccessible::Name).toStdString(), name);
        EXPECT_EQ(item->text(QAccessible::Accelerator).toStdString(), keys);
        // "<mnemonic>;<path>;<shortcut>", as the desktop's readers split it.
        const QStringList bindings = item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(bindings.size() == 1 && bindings[0].endsWith(QString(";;") + keys)) << label;
    }
}

double Luminance(QRgb c) {
    const auto channel = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

TEST(QtStyle, CheckBoxEdgesStandOutAtLeastThreeToOne) {
    TestApp();
    std::unique_ptr<QStyle> style(NewQuorleStyle("fusion"));
    QPalette pane = style->standardPalette();  // a pane's selection boxes: on white
    pane.setColor(QPalette::Window, Qt::white);
    for (const auto& [palette, checked] : {std::pair{style->standardPalette(), false},
                                           std::pair{style->standardPalette(), true}, std::pair{pane, false}}) {
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(palette.color(QPalette::Window));
        QStyleOptionButton option;
        option.palette = palette;
        option.rect = QRect(4, 4, 14, 14);
        option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        QPainter painter(&image);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, nullptr);
        painter.end();
        // Across its middle: its left edge against what it stands on and its fill.
        const double edge = Luminance(image.pixel(4, 11));
        for (const QRgb other : {image.pixel(3, 11), image.pixel(6, 11)})
            EXPECT_GE((std::max(edge, Luminance(other)) + 0.05) / (std::min(edge, Luminance(other)) + 0.05), 3.0)
                << checked;
    }
}

}  // namespace
}  // namespace quorle::qt
