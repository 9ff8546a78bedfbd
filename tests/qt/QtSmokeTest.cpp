// Offscreen smoke tests of the Qt layer: the frame, the dialog host, the
// window host, the help viewer and a real class window rendered to a picture.
#include <gtest/gtest.h>

#include "platform/ProgramDirectory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusTipEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QListWidget>

#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "platform/qt/QtArt.h"
#include "platform/qt/QtDialogHost.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/ClassDialogs.h"
#include "resources/GradingDialogs.h"
#include "resources/Menus.h"
#include "resources/ProgressDialogs.h"
#include "resources/ReportDialogs.h"
#include "resources/RosterDialogs.h"
#include "resources/SheetDialogs.h"
#include "support/TempDir.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

QApplication& App() { return TestApp(); }

class RecordingClient : public platform::FrameClient {
public:
    std::vector<int> commands;
    std::vector<platform::ChildWindow*> closed;
    std::vector<platform::Key> keys;
    bool allowClose = true;
    void Command(int id) override { commands.push_back(id); }
    bool CanCloseFrame() override { return allowClose; }
    void ChildClosed(platform::ChildWindow& child) override { closed.push_back(&child); }
    void KeyDown(platform::Key key) override { keys.push_back(key); }
};

TEST(QtFrameTest, StartsWithMenuControlBarAndHints) {
    App();
    QtFrame frame(resources::MainFrameLayout());
    RecordingClient client;
    frame.SetClient(&client);
    frame.show();
    EXPECT_EQ(frame.windowTitle(), "Quorle");

    QStringList popups;
    for (QAction* action : frame.menuBar()->actions()) popups << action->text();
    EXPECT_EQ(popups, (QStringList{"&File", "&Edit", "&Options", "&Display", "&Assignment Grid", "&Window", "&Help"}));

    QAction* open = frame.CommandAction(resources::cmd::kOpen);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "&Open...F3");
    EXPECT_EQ(open->statusTip(), "Opens an existing class");
    open->trigger();
    ASSERT_EQ(client.commands.size(), 1u);
    EXPECT_EQ(client.commands[0], resources::cmd::kOpen);

    // Thirteen buttons on the control bar, each with its command's hint.
    int buttons = 0;
    for (QAction* action : frame.ControlBar()->actions()) {
        if (action->isSeparator() || action->data().toInt() == 0) continue;
        ++buttons;
        EXPECT_FALSE(action->statusTip().isEmpty());
        EXPECT_FALSE(action->icon().isNull());
    }
    EXPECT_EQ(buttons, 13);

    // F3 and Alt+X reach the client as Open and Exit.
    client.commands.clear();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F3);
    QTest::keyClick(&frame, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(client.commands, (std::vector<int>{resources::cmd::kOpen, resources::cmd::kExit}));
    // Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo. The Undo item takes the step's name.
    client.commands.clear();
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(client.commands,
              (std::vector<int>{resources::cmd::kUndo, resources::cmd::kRedo, resources::cmd::kRedo}));
    frame.SetCommandLabel(resources::cmd::kUndo, "&Undo Delete HW 2");
    EXPECT_EQ(frame.CommandAction(resources::cmd::kUndo)->text(), "&Undo Delete HW 2");

    // A highlighted menu item shows its hint in the status bar.
    QMenu* fileMenu = frame.menuBar()->actions()[0]->menu();
    ASSERT_NE(fileMenu, nullptr);
    fileMenu->popup(QPoint(0, 0));
    fileMenu->setActiveAction(frame.CommandAction(resources::cmd::kSave));
    QApplication::processEvents();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Saves a class to disk");
    fileMenu->hide();

    // So does a control-bar button the mouse enters.
    QAction* openButton = nullptr;
    for (QAction* action : frame.ControlBar()->actions())
        if (action->data().toInt() == resources::cmd::kOpen) openButton = action;
    ASSERT_NE(openButton, nullptr);
    QWidget* button = frame.ControlBar()->widgetForAction(openButton);
    ASSERT_NE(button, nullptr);
    QStatusTipEvent tip(openButton->statusTip());
    QApplication::sendEvent(button, &tip);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Opens an existing class");

    frame.SetStatusText("Double Click");
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Double Click");

    // The close box asks the client.
    client.allowClose = false;
    EXPECT_FALSE(frame.close());
    client.allowClose = true;
    EXPECT_TRUE(frame.close());
}

// A dialog whose OK is refused once.
class LimitDialog : public platform::Dialog {
public:
    LimitDialog() : Dialog(MakeResource()) {}
    static platform::DialogResource MakeResource() {
        using platform::ControlKind;
        platform::DialogResource r;
        r.id = 900;
        r.caption = "Test Dialog";
        r.controls = {
            {-1, ControlKind::Static, "&Points:", 0, 0},
            {101, ControlKind::Edit, "", 0, 1, 1, 1, 5, 0, platform::kStyleDigitsOnly},
            {102, ControlKind::Edit, "", 1, 1, 1, 1, 6},
            {110, ControlKind::GroupBox, "Kind", 2, 0, 1, 2},
            {111, ControlKind::RadioButton, "Points", 0, 0, 1, 1, 0, 110},
            {112, ControlKind::RadioButton, "Weighted", 1, 0, 1, 1, 0, 110},
            {120, ControlKind::CheckBox, "Plus and Minus Grades?", 3, 0},
            {130, ControlKind::Static, "%s :", 4, 0},
            {140, ControlKind::CheckBox, "", 6, 0},
            {141, ControlKind::Static, "%s Points", 6, 1},
            {platform::kIdOk, ControlKind::PushButton, "OK", 5, 0},
            {platform::kIdCancel, ControlKind::PushButton, "Cancel", 5, 1},
        };
        return r;
    }
    void SetupWindow(platform::DialogHost& host) override {
        host.SetChecked(111, true);
        host.SetText(130, "Lab2 :");
    }
    bool CanClose(platform::DialogHost& host) override {
        ++closeAsks;
        taken = host.Text(101);
        return closeAsks > 1;
    }
    void Clicked(platform::DialogHost&, int id) override { clicks.push_back(id); }
    void KeyUp(platform::DialogHost&, int id) override { keyUps.push_back(id); }
    int closeAsks = 0;
    std::string taken;
    std::vector<int> clicks;
    std::vector<int> keyUps;
};

TEST(QtDialogHostTest, LaysOutTheResourceAndAsksBeforeClosing) {
    App();
    LimitDialog dialog;
    QtDialogHost host(dialog, nullptr);
    dialog.SetupWindow(host);
    host.show();
    EXPECT_EQ(host.windowTitle(), "Test Dialog");

    auto* edit = qobject_cast<QLineEdit*>(host.Control(101));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, "12a34567");
    // Digits only, five at most.
    EXPECT_EQ(host.Text(101), "12345");
    EXPECT_FALSE(dialog.keyUps.empty());
    EXPECT_EQ(dialog.keyUps.back(), 101);
    EXPECT_EQ(host.Text(130), "Lab2 :");

    // Radio buttons inside their group box exclude each other.
    EXPECT_TRUE(host.IsChecked(111));
    qobject_cast<QRadioButton*>(host.Control(112))->click();
    EXPECT_TRUE(host.IsChecked(112));
    EXPECT_FALSE(host.IsChecked(111));
    qobject_cast<QCheckBox*>(host.Control(120))->click();
    EXPECT_TRUE(host.IsChecked(120));
    EXPECT_EQ(dialog.clicks, (std::vector<int>{112, 120}));
    // A box without text takes its label from the static beside it; the label works the box.
    QTest::mouseClick(host.Control(141), Qt::LeftButton);
    EXPECT_TRUE(host.IsChecked(140));
    host.SetText(141, "Lab2 Points");
    EXPECT_EQ(host.Text(141), "Lab2 Points");

    // OK: the dialog says no the first time, yes the second.
    auto* ok = qobject_cast<QPushButton*>(host.Control(platform::kIdOk));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    ok->click();
    EXPECT_EQ(dialog.closeAsks, 1);
    EXPECT_TRUE(host.isVisible());
    ok->click();
    EXPECT_EQ(dialog.closeAsks, 2);
    EXPECT_EQ(dialog.taken, "12345");
    EXPECT_EQ(host.result(), QDialog::Accepted);
}

TEST(QtDialogHostTest, MultiLineEditMarksItsSoftLineBreaks) {
    App();
    platform::DialogResource r;
    r.caption = "Edit Progress or Warning Notice";
    r.controls = {{101, platform::ControlKind::Edit, "", 0, 0, 1, 1, 1199, 0, platform::kStyleMultiline}};
    platform::Dialog dialog(r);
    QtDialogHost host(dialog, nullptr);
    auto* edit = qobject_cast<QPlainTextEdit*>(host.Control(101));
    ASSERT_NE(edit, nullptr);
    edit->setFixedWidth(160);
    host.show();
    host.SetText(101, "Dear parent of {firstname} {lastname}, this is a long line\r\nSecond");
    QApplication::processEvents();
    const std::string text = host.Text(101);
    // The long first line comes back wrapped, each screen line its own line.
    EXPECT_NE(text.find("\r\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nSecond"), std::string::npos) << text;
    std::string joined = text;
    std::erase(joined, '\r');
    std::erase(joined, '\n');
    EXPECT_EQ(joined.size(), std::string("Dear parent of {firstname} {lastname}, this is a long lineSecond").size());
}

TEST(QtDialogHostTest, TextsAreWindows1252) {
    App();
    LimitDialog dialog;
    QtDialogHost host(dialog, nullptr);
    host.SetText(102, "Jos\xE9");
    EXPECT_EQ(qobject_cast<QLineEdit*>(host.Control(102))->text(), QString::fromUtf8("Jos\xC3\xA9"));
    EXPECT_EQ(host.Text(102), "Jos\xE9");
}

TEST(QtUiTest, ConvertsFiltersAndFindsTheProgramDirectory) {
    App();
    EXPECT_EQ(ConvertFilter("Class Files (*.gdr)|*.gdr|"), QStringList{"Class Files (*.gdr)"});
    EXPECT_EQ(ConvertFilter("Class Files (*.gdr)|*.gdr;*.GDR|"), QStringList{"Class Files (*.gdr *.GDR)"});
    EXPECT_EQ(ConvertFilter("Grids|*.col|All files|*.*|"), (QStringList{"Grids (*.col)", "All files (*.*)"}));
    testing::TempDir dir;
    EXPECT_EQ(platform::FindProgramDirectory(), dir.Path());
}

TEST(QtUiTest, MessageBoxesAnswerEscapeWithTheHarmlessButton) {
    App();
    QtUi ui;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalAppears([&](QWidget* box) {
        caption = box->windowTitle();
        icon = qobject_cast<QMessageBox*>(box)->icon();
        box->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("message-box.png"));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(ui.MessageBox("Error!", "Incorrect file format", platform::Buttons::Ok, platform::Icon::Stop),
              platform::Answer::Ok);
    EXPECT_EQ(caption, "Error!");
    EXPECT_EQ(icon, QMessageBox::Critical);

    WhenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(ui.MessageBox("Delete Grade Set ?", "Do you want to delete Quiz 1 ?", platform::Buttons::YesNo,
                            platform::Icon::Question),
              platform::Answer::No);
    WhenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(ui.MessageBox("File has changed", "a.gdr has changed. Do you want to save changes ?",
                            platform::Buttons::YesNoCancel, platform::Icon::Question),
              platform::Answer::Cancel);
    WhenModalAppears([](QWidget* box) {
        for (QAbstractButton* button : qobject_cast<QMessageBox*>(box)->buttons())
            if (qobject_cast<QMessageBox*>(box)->buttonRole(button) == QMessageBox::YesRole) button->click();
    });
    EXPECT_EQ(ui.MessageBox("Transfer?", "Do you want to transfer Ann Adams to another class ?",
                            platform::Buttons::YesNoCancel, platform::Icon::Question),
              platform::Answer::Yes);
}

TEST(QtUiTest, SaveDialogLeavesTheOverwriteQuestionToTheSystem) {
    App();
    testing::TempDir dir;
    // A class that is there already: the dialog must not ask about replacing it.
    dir.Write("old.gdr", {'x'});
    QtUi ui;
    bool confirms = true;
    QString suffix;
    QStringList filters;
    WhenModalAppears([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        dialog->setDirectory(QString::fromStdString(dir.Path()));
        // The name typed into the file name box.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("old");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    platform::FileDialogOptions options;
    options.filter = "Class Files (*.gdr)|*.gdr|";
    options.defaultExtension = "gdr";
    const auto path = ui.SaveFileName(options);
    EXPECT_FALSE(confirms);
    EXPECT_EQ(suffix, "gdr");
    EXPECT_EQ(filters, QStringList{"Class Files (*.gdr)"});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, dir.File("old.gdr"));
}

TEST(QtUiTest, RunModalTakesEnterAsOk) {
    App();
    QtUi ui;
    LimitDialog dialog;
    dialog.closeAsks = 1;  // agrees at once
    WhenModalAppears([](QWidget* host) {
        QWidget* edit = host->focusWidget();
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "42");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_TRUE(ui.RunModal(dialog));
    EXPECT_EQ(dialog.taken, "42");

    LimitDialog cancelled;
    WhenModalAppears([](QWidget* host) { QTest::keyClick(host, Qt::Key_Escape); });
    EXPECT_FALSE(ui.RunModal(cancelled));
    EXPECT_EQ(cancelled.closeAsks, 0);
}

// A window that records what reaches it.
class ProbeWindow : public platform::Window {
public:
    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override {
        ++paints;
        lastClip = clip;
        canvas.TextOut(0, 0, "Probe");
    }
    bool KeyDown(platform::Key key) override {
        keys.push_back(key);
        if (key == platform::Key::Down) {
            ScrollBy(0, 1);
            return true;
        }
        return false;
    }
    void Scrolled() override { ++scrolls; }
    void CheckBoxClicked(int id) override { boxes.push_back(id); }
    int paints = 0;
    int scrolls = 0;
    platform::Rect lastClip;
    std::vector<platform::Key> keys;
    std::vector<int> boxes;
};

TEST(QtWindowHostTest, ScrollsKeysAndCheckBoxes) {
    App();
    ProbeWindow window;
    std::vector<platform::Key> fallback;
    QtWindowHost host(window, nullptr, false, [&](platform::Key key) { fallback.push_back(key); });
    host.resize(300, 200);
    host.show();
    window.GetScroller() = platform::Scroller{10, 16, 20, 30, 0, 0};
    host.ScrollerChanged();
    EXPECT_EQ(host.verticalScrollBar()->maximum(), 30);

    // The user drags the bar: the scroller follows and the window hears of it.
    host.verticalScrollBar()->setValue(4);
    EXPECT_EQ(window.GetScroller().yPos, 4);
    EXPECT_EQ(window.scrolls, 1);

    // Keys go to the window first, then to the frame's client.
    host.setFocus();
    QTest::keyClick(&host, Qt::Key_Down);
    EXPECT_EQ(window.GetScroller().yPos, 5);
    EXPECT_EQ(host.verticalScrollBar()->value(), 5);
    QTest::keyClick(&host, Qt::Key_Home);
    QTest::keyClick(&host, Qt::Key_A);
    EXPECT_EQ(fallback, (std::vector<platform::Key>{platform::Key::Home, platform::Key::Other}));

    // A check box moves with the vertical scroll position.
    host.AddCheckBox(1001, platform::Rect{0, 160, 16, 176});
    auto* box = host.viewport()->findChild<QCheckBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->y(), 160 - 5 * 16);
    box->click();
    EXPECT_TRUE(host.IsCheckBoxChecked(1001));
    EXPECT_EQ(window.boxes, std::vector<int>{1001});

    // Painting happens in window coordinates: the clip is moved by the scroll offset.
    (void)host.grab();
    EXPECT_GT(window.paints, 0);
    EXPECT_EQ(window.lastClip.top, 5 * 16);

    // The measuring canvas has the pane font: fixed pitch.
    platform::Canvas& measure = host.MeasuringCanvas();
    EXPECT_EQ(measure.TextExtent("iiiii").cx, measure.TextExtent("WWWWW").cx);
}

TEST(QtHelpTest, ContentsIndexAndTopics) {
    App();
    HelpViewer viewer(QUORLE_HELP_DIR, resources::HelpBooks());
    viewer.ShowContents();
    EXPECT_EQ(viewer.CurrentPage(), "contents.html");
    EXPECT_FALSE(viewer.Browser()->toPlainText().isEmpty());
    // The Contents tab lists every page the contents page links to, and each is shipped.
    QFile contents(QDir(QUORLE_HELP_DIR).filePath("contents.html"));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    QStringList listed;
    for (const auto& entry : resources::HelpBooks().front().contents) {
        listed << QString::fromStdString(entry.page);
        EXPECT_TRUE(QFile::exists(QDir(QUORLE_HELP_DIR).filePath(listed.back()))) << entry.page;
    }
    const QString html = QString::fromUtf8(contents.readAll());
    for (const QRegularExpressionMatch& link : QRegularExpression(R"re(<li><a href="([^"]+)")re").globalMatch(html))
        EXPECT_TRUE(listed.contains(link.captured(1))) << link.captured(1).toStdString();
    viewer.ShowIndex("grad");
    ASSERT_GT(viewer.IndexList()->count(), 0);
    EXPECT_TRUE(viewer.IndexList()->item(0)->text().contains("grad", Qt::CaseInsensitive));
    viewer.ShowBook("WINHELP.HLP");
    EXPECT_EQ(viewer.CurrentPage(), "usinghelp.html");
    EXPECT_EQ(viewer.TopicPage(669), "editstudent.html");
    EXPECT_TRUE(QFile::exists(QDir(QUORLE_HELP_DIR).filePath(viewer.TopicPage(669))));
    viewer.ShowIndex("");
    viewer.ShowPage("classwindow.html");
    QApplication::processEvents();
    viewer.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("help.png"));
    viewer.close();
}

TEST(QtHelpTest, HelpCommandsReachTheViewer) {
    App();
    testing::TempDir dir;  // a program directory without help pages: they are found beside the program
    QtUi ui;
    ui.SetHelpBooks(resources::HelpBooks());
    ui.Help(platform::HelpCommand::Contents, "quorle.hlp");
    ASSERT_NE(ui.Viewer(), nullptr);
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "contents.html");
    ui.Help(platform::HelpCommand::Contents, "WINHELP.HLP");
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "usinghelp.html");
    ui.Help(platform::HelpCommand::Index, "quorle.hlp");
    EXPECT_TRUE(ui.Viewer()->IndexKey()->text().isEmpty());
    EXPECT_GT(ui.Viewer()->IndexList()->count(), 10);
    // Topic 669, asked for from the Edit Student dialog, pops up its page.
    ui.Help(platform::HelpCommand::Topic, dir.Path() + "/quorle.hlp", 669);
    QTextBrowser* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != ui.Viewer() && w->windowTitle() == "Quorle Help") popup = w->findChild<QTextBrowser*>();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->toPlainText().contains("Edit Student"));
    ui.Help(platform::HelpCommand::Quit, "quorle.hlp");
    EXPECT_FALSE(ui.Viewer()->isVisible());
    popup->window()->close();
}

// A class window that may or may not close.
class GateChild : public platform::ChildWindow {
public:
    bool allow = false;
    int asks = 0;
    bool CanClose() override {
        ++asks;
        return allow;
    }
};

TEST(QtFrameTest, ClosingAChildAsksItFirst) {
    App();
    QtFrame frame;
    RecordingClient client;
    frame.SetClient(&client);
    frame.show();
    GateChild child;
    platform::ChildHost& host = frame.CreateChild(child, platform::Rect{10, 10, 410, 310});
    host.SetCaption("Biology");
    host.Show();
    ASSERT_EQ(frame.Children().size(), 1u);
    EXPECT_EQ(frame.ActiveChild(), &child);
    QMdiSubWindow* sub = frame.SubWindow(child);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowTitle(), "Biology");

    sub->close();
    QApplication::processEvents();
    EXPECT_EQ(child.asks, 1);
    EXPECT_EQ(frame.Children().size(), 1u);
    EXPECT_TRUE(client.closed.empty());

    // Two closes in quick succession ask once and close once.
    child.allow = true;
    sub->close();
    sub->close();
    QApplication::processEvents();
    EXPECT_EQ(child.asks, 2);
    EXPECT_TRUE(frame.Children().empty());
    ASSERT_EQ(client.closed.size(), 1u);
    EXPECT_EQ(client.closed[0], &child);
}

TEST(QtFrameTest, TileLaysTheClassesOneAboveTheOther) {
    App();
    QtFrame frame;
    frame.resize(900, 700);
    frame.show();
    GateChild first;
    GateChild second;
    frame.CreateChild(first, platform::Rect{10, 10, 300, 200}).Show();
    frame.CreateChild(second, platform::Rect{40, 40, 330, 230}).Show();
    frame.Tile();
    const QRect a = frame.SubWindow(first)->geometry();
    const QRect b = frame.SubWindow(second)->geometry();
    const QRect area = frame.MdiArea()->viewport()->rect();
    EXPECT_EQ(a.width(), area.width());
    EXPECT_EQ(b.width(), area.width());
    EXPECT_EQ(a.top(), 0);
    EXPECT_EQ(b.top(), a.bottom() + 1);
    frame.Cascade();
    EXPECT_NE(frame.SubWindow(first)->geometry().topLeft(), frame.SubWindow(second)->geometry().topLeft());
    frame.DestroyChild(first);
    frame.DestroyChild(second);
}

TEST(QtClassWindowTest, OpensAnExampleAndRendersIt) {
    App();
    const QString example = QDir(QUORLE_EXAMPLES_DIR).filePath("biology.gdr");
    if (!QFile::exists(example)) GTEST_SKIP() << "no example class";
    testing::TempDir dir;
    QtFrame frame;
    QtUi ui(&frame);
    frame.resize(1100, 800);
    TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.show();
    ASSERT_TRUE(client.OpenClass(SampleClass("biology.gdr")));
    EXPECT_EQ(client.OpenClassCount(), 1);
    QMdiSubWindow* sub = frame.MdiArea()->currentSubWindow();
    ASSERT_NE(sub, nullptr);
    sub->setGeometry(0, 0, 1000, 600);
    QApplication::processEvents();
    EXPECT_TRUE(sub->windowTitle().contains("biology.gdr"));

    const auto panes = sub->findChildren<QtWindowHost*>();
    ASSERT_EQ(panes.size(), 2);
    // The names pane holds one selection box per student.
    const auto boxes = sub->findChildren<QCheckBox*>();
    EXPECT_EQ(boxes.size(), client.ActiveClass()->Record().StudentCount());

    const QImage picture = sub->grab().toImage();
    const QString out = QDir(QUORLE_TEST_OUTPUT_DIR).filePath("class-window.png");
    EXPECT_TRUE(picture.save(out));
    // Something besides the white background was drawn in the grades pane.
    int coloured = 0;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = picture.width() / 2; x < picture.width(); x += 3)
            if (picture.pixelColor(x, y) != QColor(Qt::white)) ++coloured;
    EXPECT_GT(coloured, 100);
    // Keys scroll the grades pane; the names pane and its boxes follow.
    QtWindowHost* names = panes[0]->x() < panes[1]->x() ? panes[0] : panes[1];
    QtWindowHost* grades = names == panes[0] ? panes[1] : panes[0];
    // The names pane ends where the grades pane's rows end, above its
    // horizontal scroll bar.
    EXPECT_EQ(names->height(), grades->viewport()->height());
    // Small enough that there is something to scroll.
    sub->setGeometry(0, 0, 500, 220);
    QApplication::processEvents();
    EXPECT_EQ(names->height(), grades->viewport()->height());
    grades->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(grades, Qt::Key_Down);
    QTest::keyClick(grades, Qt::Key_Right);
    const QImage scrolled = sub->grab().toImage();
    scrolled.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("class-window-scrolled.png"));
    EXPECT_EQ(grades->GetWindow()->GetScroller().yPos, 5);
    EXPECT_EQ(grades->GetWindow()->GetScroller().xPos, 1);
    EXPECT_EQ(names->GetWindow()->GetScroller().yPos, 5);

    const QImage whole = frame.grab().toImage();
    whole.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("frame.png"));

    // Every sample class opens and renders as well.
    const QStringList samples = QDir(QUORLE_EXAMPLES_DIR).entryList({"*.gdr"}, QDir::Files, QDir::Name);
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(client.OpenClass(SampleClass(name.toStdString())));
        QMdiSubWindow* window = frame.MdiArea()->currentSubWindow();
        ASSERT_NE(window, nullptr);
        window->setGeometry(0, 0, 1000, 600);
        QApplication::processEvents();
        const QString file = QString("class-window-%1.png").arg(QFileInfo(name).baseName());
        EXPECT_TRUE(window->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath(file)));
    }
    // The class opened first is among them: its window came forward again.
    EXPECT_EQ(client.OpenClassCount(), samples.size());

    // Close all closes them and counts down.
    client.Command(resources::cmd::kCloseAll);
    QApplication::processEvents();
    EXPECT_EQ(client.OpenClassCount(), 0);
    EXPECT_TRUE(frame.Children().empty());
}

// The letter editor wraps where the printout cuts a line: a line of 72
// characters stays whole, 73 wrap, so every line on screen is a line on paper.
TEST(QtDialogHostTest, LetterEditorWrapsAtSeventyTwoCharacters) {
    App();
    platform::Dialog dialog(resources::ProgressDialogResource());
    QtDialogHost host(dialog, nullptr);
    host.show();
    const std::string full(72, 'x');
    for (const auto& [text, wraps] : {std::pair{full, false}, std::pair{full + "y", true},
                                       std::pair{std::string(70, 'a') + " bb", true}}) {
        host.SetText(resources::kIdLetterText, text);
        QApplication::processEvents();
        EXPECT_EQ(host.Text(resources::kIdLetterText).find("\r\r\n") != std::string::npos, wraps) << text;
    }
    const auto* edit = qobject_cast<QPlainTextEdit*>(host.Control(resources::kIdLetterText));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->font().fixedPitch());
}

// The real dialog resources laid out by the host, as pictures to look at.
TEST(QtDialogHostTest, RendersTheProgramsDialogs) {
    App();
    for (auto resource : {resources::ClassInfoDialogResource(), resources::DisplayOptionsDialogResource(),
                          resources::ExtraNamesDialogResource(), resources::GradePrintDialogResource(),
                          resources::SheetsDialogResource(), resources::AttendanceDialogResource(),
                          resources::DateInfoDialogResource(), resources::StudentDialogResource(),
                          resources::SystemDialogResource(), resources::WeightsDialogResource(),
                          resources::NoPlusDialogResource(), resources::PlusDialogResource(),
                          resources::ProgressDialogResource(), resources::ProgressPrintDialogResource(),
                          resources::GradeLevelDialogResource()}) {
        const int id = resource.id;
        platform::Dialog dialog(std::move(resource));
        QtDialogHost host(dialog, nullptr);
        host.show();
        QApplication::processEvents();
        EXPECT_GT(host.width(), 50);
        EXPECT_TRUE(host.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath(QString("dialog-%1.png").arg(id))));
    }
}

TEST(QtArtTest, PicturesAreDrawn) {
    App();
    const QPixmap splash = MakeSplash();
    EXPECT_GE(splash.width(), 300);
    for (const auto& item : resources::MainFrameLayout().controlBar) {
        if (item.command == 0) continue;
        // Every button has a picture, drawn whole at the bar's size.
        EXPECT_EQ(item.picture.Width(), 20) << item.command;
        const QImage icon = PicturePixmap(item.picture, 40).toImage();
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) opaque += qAlpha(icon.pixel(x, y)) > 0;
        EXPECT_GT(opaque, 200) << item.command;
    }
    splash.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("splash.png"));
}

}  // namespace
}  // namespace quorle::qt
