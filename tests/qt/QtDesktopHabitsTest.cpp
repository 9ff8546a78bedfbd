// The habits of a desktop program on the real frame, offscreen: the desktop's
// keys, the lists in the File and Window menus, class files dropped on the
// frame, and a later start handing its files to the running program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <atomic>
#include <filesystem>
#include <thread>

#include "QtTestApp.h"
#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtUi.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace cmd = resources::cmd;

// The texts of a list the client put in a menu ("-" for a separator, "[x] " before a checked entry).
QStringList Texts(const QtFrame& frame, int after) {
    QStringList out;
    for (QAction* action : frame.MenuList(after))
        out << (action->isSeparator() ? QString("-") : (action->isChecked() ? "[x] " : "") + action->text());
    return out;
}

class QtDesktopHabits : public ::testing::Test {
protected:
    QtDesktopHabits() {
        client.KeepSettingsIn(dir.File("quorle.conf"));
        frame.SetClient(&client);
        frame.show();
        QApplication::setActiveWindow(&frame);
        for (const char* name : {"biology.gdr", "empty.gdr"})
            std::filesystem::copy_file(std::string(QUORLE_EXAMPLES_DIR) + "/" + name, dir.File(name));
    }
    ~QtDesktopHabits() override {
        client.Command(cmd::kCloseAll);
        QApplication::processEvents();
        frame.SetClient(nullptr);
    }
    int Windows() {
        QApplication::processEvents();
        return static_cast<int>(frame.MdiArea()->subWindowList().size());
    }

    QApplication& app = TestApp();
    testing::TempDir dir;
    QtFrame frame{resources::MainFrameLayout()};
    QtUi ui{&frame};
    TDecoClient client{frame, ui};
};

TEST_F(QtDesktopHabits, CtrlKeysSaveAndCloseTheActiveClassBesideTheOldKeys) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    const std::string bio = dir.File("biology.gdr");
    ASSERT_TRUE(client.OpenClass(bio));
    ASSERT_TRUE(client.OpenClass(dir.File("empty.gdr")));
    frame.MdiArea()->setActiveSubWindow(frame.MdiArea()->subWindowList()[0]);
    QApplication::processEvents();

    // A change not written yet: marked in the caption and the Window menu.
    client.ActiveClass()->Record().extra1Name = "Lab2";
    client.ActiveClass()->Record().modified = true;
    client.MenuOpening();
    const QString caption = frame.MdiArea()->activeSubWindow()->windowTitle();
    EXPECT_TRUE(caption.startsWith("*")) << caption.toStdString();
    const QStringList listed = Texts(frame, cmd::kCloseAll);
    ASSERT_EQ(listed.size(), 3);
    EXPECT_EQ(listed[1], "[x] &1 " + QString(caption).replace("&", "&&"));
    EXPECT_TRUE(listed[2].startsWith("&2 ")) << listed[2].toStdString();

    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadClassFile(bio).extra1Name.Str(), "Lab2");
    EXPECT_FALSE(frame.MdiArea()->activeSubWindow()->windowTitle().startsWith("*"));

    // Ctrl+W and Ctrl+F4 each close the active class, and only it.
    QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(Windows(), 1);
    QTest::keyClick(&frame, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(Windows(), 0);
    EXPECT_TRUE(Texts(frame, cmd::kCloseAll).isEmpty());

    // The File menu lists both classes, newest first, each path in its hint.
    const QStringList recent = Texts(frame, cmd::kDeleteFile);
    EXPECT_EQ(recent, (QStringList{"-", "&1 empty.gdr", "&2 biology.gdr"}));
    EXPECT_EQ(frame.MenuList(cmd::kDeleteFile)[2]->statusTip(), QString::fromStdString(bio));
    // Right after Delete File, before the separator and Exit.
    QMenu* file = frame.menuBar()->actions()[0]->menu();
    const auto actions = file->actions();
    const qsizetype at = actions.indexOf(frame.CommandAction(cmd::kDeleteFile));
    EXPECT_EQ(actions[at + 3], frame.MenuList(cmd::kDeleteFile)[2]);
    EXPECT_TRUE(actions[at + 4]->isSeparator());
    EXPECT_EQ(actions[at + 5], frame.CommandAction(cmd::kExit));
    // Choosing one opens it.
    frame.MenuList(cmd::kDeleteFile)[2]->trigger();
    EXPECT_EQ(Windows(), 1);
    EXPECT_EQ(client.RecentClasses().front(), bio);
}

TEST_F(QtDesktopHabits, ClassFilesDroppedOnTheFrameOpen) {
    const struct {
        QList<QUrl> urls;
        bool taken;
        int windows;
    } cases[] = {
        {{QUrl::fromLocalFile(QString::fromStdString(dir.File("notes.txt")))}, false, 0},
        {{QUrl("https://example.org/x.gdr")}, false, 0},
        {{QUrl::fromLocalFile(QString::fromStdString(dir.File("notes.txt"))),
          QUrl::fromLocalFile(QString::fromStdString(dir.File("biology.gdr"))),
          QUrl::fromLocalFile(QString::fromStdString(dir.File("empty.gdr")))},
         true,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows);
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken);
        if (c.taken) {
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&frame, &drop);
        }
        EXPECT_EQ(Windows(), c.windows);
    }
}

TEST(QtSingleInstance, ALaterStartHandsItsFilesToTheRunningProgram) {
    TestApp();
    testing::TempDir dir;
    // One name per program directory, however it is written.
    const QString name = QtSingleInstance::Name(dir.Path());
    EXPECT_EQ(QtSingleInstance::Name(dir.Path() + "/."), name);
    EXPECT_NE(QtSingleInstance::Name(dir.File("other")), name);
    // Nobody listening: nothing handed over.
    EXPECT_FALSE(QtSingleInstance::HandOver(name, {"a.gdr"}));

    QtSingleInstance running;
    std::vector<std::vector<std::string>> received;
    ASSERT_TRUE(running.Listen(name, [&](const std::vector<std::string>& files) { received.push_back(files); }));
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> received;
    } cases[] = {
        {{}, {}},
        {{"/x/a.gdr", "b c.gdr"}, {"/x/a.gdr", std::filesystem::current_path().string() + "/b c.gdr"}},
    };
    for (const auto& c : cases) {
        received.clear();
        std::atomic<int> result{-1};
        std::thread later([&] { result = QtSingleInstance::HandOver(name, c.files) ? 1 : 0; });
        QElapsedTimer waited;
        waited.start();
        while ((result < 0 || received.empty()) && waited.elapsed() < 10000) QApplication::processEvents();
        later.join();
        EXPECT_EQ(result, 1);
        ASSERT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0], c.received);
    }
}

}  // namespace
}  // namespace quorle::qt
