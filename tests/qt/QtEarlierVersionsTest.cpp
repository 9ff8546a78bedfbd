// The Earlier Versions dialog on the real Qt dialog host: the heading, the
// versions newest first, and a click on Restore that ends it with the line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "classwin/EarlierVersions.h"
#include "platform/qt/QtDialogHost.h"
#include "resources/VersionDialogs.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

TEST(QtEarlierVersionsTest, ShowsTheVersionsAndRestoresTheChosenOne) {
    TestApp();
    const std::vector<std::string> lines{"2026-12-07 19:42:10   grades changed: 3",
                                         "2026-12-07 19:40:12   added Quiz 5, dropped Marcus Brooks",
                                         "2026-12-01 08:15:00   oldest version kept"};
    TEarlierVersionsDialog dialog("biology.gdr", lines);
    QtDialogHost host(dialog, nullptr);
    dialog.SetupWindow(host);
    host.show();
    QApplication::processEvents();
    auto* list = qobject_cast<QListWidget*>(host.Control(resources::kIdVersionList));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list->item(i)->text().toStdString(), lines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(host.Text(resources::kIdVersionsHeading), "Earlier versions of biology.gdr, newest first:");
    EXPECT_EQ(host.windowTitle().toStdString(), "Earlier Versions");
    host.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("earlier-versions.png"));

    list->setCurrentRow(2);
    auto* restore = qobject_cast<QPushButton*>(host.Control(resources::kIdRestoreVersion));
    ASSERT_NE(restore, nullptr);
    ASSERT_TRUE(restore->isEnabled());
    QTest::mouseClick(restore, Qt::LeftButton);
    EXPECT_EQ(dialog.Chosen(), TEarlierVersionsDialog::Choice::Restore);
    EXPECT_EQ(dialog.ChosenLine(), 2);
}

}  // namespace
}  // namespace quorle::qt
