// The grade value box on the real Qt dialog host: what it shows for a stored
// grade, what real keystrokes do to it, and the tooltip of a refused one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <functional>

#include "classwin/NewGrade.h"
#include "platform/qt/QtDialogHost.h"
#include "resources/EditDialogs.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

TEST(QtDialogHostTest, GradeBoxKeepsTheStoredValueAndTakesHalfPoints) {
    TestApp();
    using Keys = std::function<void(QLineEdit*)>;
    const auto end = [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_End); };
    const auto retype = [](const char* text) {
        return Keys([text](QLineEdit* e) {
            e->selectAll();
            QTest::keyClicks(e, text);
        });
    };
    const auto append = [](const char* text) {
        return Keys([text](QLineEdit* e) {
            QTest::keyClick(e, Qt::Key_End);
            QTest::keyClicks(e, text);
        });
    };
    const QString refused = "Only digits and one decimal point, with at most two decimals, can be typed here.";
    const struct {
        const char* name;
        float stored;
        Keys keys;
        const char* text;
        float value;
        QString tooltip;
    } cases[] = {
        {"End", 7.5f, end, "7.5", 7.5f, ""},
        {"Shift and Tab", 5.5f,
         [](QLineEdit* e) {
             QTest::keyClick(e, Qt::Key_Shift);
             QTest::keyClick(e, Qt::Key_Tab);
         },
         "5.5", 5.5f, ""},
        {"8.5 typed", 6.5f, retype("8.5"), "8.5", 8.5f, ""},
        {"a second point", 6.5f, retype("8.5.5"), "8.55", 8.55f, refused},
        {"a third decimal", 0.25f, append("9"), "0.25", 0.25f, refused},
        {"a full box says nothing", 17.25f, append("9"), "17.25", 17.25f, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QToolTip::hideText();
        TGrades entry;
        entry.value = c.stored;
        TGradeValueDialog dialog(entry, "T1", "Ann", "Adams", false);
        QtDialogHost host(dialog, nullptr);
        dialog.SetupWindow(host);
        host.show();
        auto* edit = qobject_cast<QLineEdit*>(host.Control(resources::kIdValue));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->deselect();
        c.keys(edit);
        EXPECT_EQ(host.Text(resources::kIdValue), c.text);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tooltip);
        host.TryOk();
        EXPECT_EQ(entry.value, c.value);
    }
    QToolTip::hideText();
}

}  // namespace
}  // namespace quorle::qt
