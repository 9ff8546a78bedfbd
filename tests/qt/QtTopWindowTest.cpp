// Offscreen smoke tests of the windows a class window owns: a top-level window
// with its own menu, status bar, keys and paint, and a modeless dialog that
// stays open while the frame keeps working.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "platform/Dialog.h"
#include "platform/TopWindow.h"
#include "platform/qt/QtDialogHost.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/Menus.h"
#include "QtTestApp.h"

namespace quorle::qt {
namespace {

using platform::Key;
using platform::MenuItem;

class Owner : public platform::ChildWindow {
public:
    bool CanClose() override { return true; }
};

class FrameCommands : public platform::FrameClient {
public:
    std::vector<int> commands;
    void Command(int id) override { commands.push_back(id); }
    bool CanCloseFrame() override { return true; }
    void ChildClosed(platform::ChildWindow&) override {}
};

// A chart-like window: lines of text, scrolled by the arrow keys.
class ChartProbe : public platform::TopWindow {
public:
    ChartProbe() { scroller_ = platform::Scroller{5, 5, 100, 100, 0, 0}; }
    void Paint(platform::Canvas& canvas, const platform::Rect&) override {
        ++paints;
        for (int i = 0; i < 40; ++i) canvas.TextOut(0, i * 16, "* * * * * * * * *  line " + std::to_string(i));
    }
    bool KeyDown(Key key) override {
        if (key == Key::Down) {
            ScrollBy(0, 1);
            return true;
        }
        return false;
    }
    void Command(int id) override {
        commands.push_back(id);
        if (id == 410) HideWindow();
    }
    int paints = 0;
    std::vector<int> commands;
};

platform::TopWindowAttributes ChartAttributes() {
    platform::TopWindowAttributes a;
    a.caption = "Seating Chart";
    a.menu = {MenuItem::Popup("&Options", {MenuItem::Command(411, "&Switch Seats", "Switches the occupants of two seats"),
                                           MenuItem::Command(413, "&Print Chart", "Prints the seating chart"),
                                           MenuItem::Separator(),
                                           MenuItem::Command(410, "&Close Chart", "Closes the seating chart")})};
    a.accelerators = {{"Ctrl+P", 413}};
    return a;
}

TEST(QtTopWindowTest, OwnedWindowHasItsMenuStatusTextsKeysAndPaint) {
    TestApp();
    QtFrame frame;
    frame.show();
    Owner owner;
    frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show();

    auto chart = std::make_unique<ChartProbe>();
    platform::TopWindowHost& host = frame.CreateTopWindow(*chart, owner, ChartAttributes());
    ASSERT_EQ(chart->TopHost(), &host);
    auto* window = dynamic_cast<QtTopWindow*>(&host);
    ASSERT_NE(window, nullptr);
    // Made hidden; shown on demand, in front, with its caption.
    EXPECT_FALSE(window->isVisible());
    chart->Host()->SetCaption("Seating Chart for biology.CHT");
    chart->ShowWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(chart->IsVisible());
    EXPECT_EQ(window->windowTitle(), "Seating Chart for biology.CHT");
    EXPECT_TRUE(window->isWindow());
    // A useful size of its own, not a title-bar stub.
    EXPECT_GE(window->width(), 300);
    EXPECT_GE(window->height(), 200);

    // Its own menu bar; choosing an item reaches the window, not the frame.
    FrameCommands frameCommands;
    frame.SetClient(&frameCommands);
    ASSERT_EQ(window->menuBar()->actions().size(), 1);
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), "&Options");
    QMenu* options = window->menuBar()->actions()[0]->menu();
    ASSERT_NE(options, nullptr);
    QStringList labels;
    for (QAction* a : options->actions()) labels << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(labels, (QStringList{"&Switch Seats", "&Print Chart", "-", "&Close Chart"}));
    window->CommandAction(411)->trigger();
    EXPECT_EQ(chart->commands, std::vector<int>{411});
    EXPECT_TRUE(frameCommands.commands.empty());
    // A greyed-out command is shown so and cannot be chosen.
    host.EnableCommand(411, false);
    EXPECT_FALSE(window->CommandAction(411)->isEnabled());
    window->CommandAction(411)->trigger();
    EXPECT_EQ(chart->commands, std::vector<int>{411});
    host.EnableCommand(411, true);

    // The highlighted item's hint shows in its own status bar.
    options->popup(QPoint(0, 0));
    options->setActiveAction(window->CommandAction(413));
    QApplication::processEvents();
    EXPECT_EQ(window->statusBar()->currentMessage(), "Prints the seating chart");
    options->hide();
    QApplication::processEvents();
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

    // Keys and its accelerator.
    QApplication::setActiveWindow(window);
    window->View()->setFocus();
    QTest::keyClick(window->View(), Qt::Key_Down);
    EXPECT_EQ(chart->GetScroller().yPos, 1);
    EXPECT_EQ(window->View()->verticalScrollBar()->value(), 1);
    QTest::keyClick(window->View(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(chart->commands, (std::vector<int>{411, 413}));

    // It paints through the canvas.
    const QImage picture = window->grab().toImage();
    EXPECT_GT(chart->paints, 0);
    picture.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("top-window.png"));

    // Close Chart hides it; it comes back as it was. The close box asks the
    // window, which hides by default.
    window->CommandAction(410)->trigger();
    EXPECT_FALSE(window->isVisible());
    chart->ShowWindow();
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(chart->TopHost(), &host);

    // The owner's window goes: the chart's goes with it, and the object is let go.
    QPointer<QtTopWindow> watch(window);
    chart->ShowWindow();
    frame.DestroyChild(owner);
    EXPECT_EQ(chart->TopHost(), nullptr);
    EXPECT_EQ(chart->Host(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    chart.reset();  // nothing left to release

    // A window object that goes first takes its platform window along.
    Owner second;
    frame.CreateChild(second, platform::Rect{10, 10, 500, 400}).Show();
    auto grid = std::make_unique<ChartProbe>();
    frame.CreateTopWindow(*grid, second, ChartAttributes());
    grid->ShowWindow();
    QPointer<QtTopWindow> gridWindow(dynamic_cast<QtTopWindow*>(grid->TopHost()));
    grid.reset();
    EXPECT_FALSE(gridWindow && gridWindow->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gridWindow.isNull());
    frame.DestroyChild(second);
    frame.SetClient(nullptr);
}

// A prompt that keeps asking: OK takes a number and asks for the next one
// until three are taken.
class NumberPrompt : public platform::Dialog {
public:
    NumberPrompt() : Dialog(Resource()) {}
    static platform::DialogResource Resource() {
        using platform::ControlKind;
        platform::DialogResource r;
        r.id = 950;
        r.caption = "Seat Number";
        r.controls = {
            {100, ControlKind::Static, "%s", 0, 0, 1, 2},
            {101, ControlKind::Edit, "", 1, 0, 1, 2, 2, 0, platform::kStyleDigitsOnly},
            {platform::kIdOk, ControlKind::PushButton, "OK", 2, 0},
            {platform::kIdCancel, ControlKind::PushButton, "Cancel", 2, 1},
        };
        return r;
    }
    void SetupWindow(platform::DialogHost& host) override {
        ++setups;
        host.SetText(100, "Student " + std::to_string(taken.size() + 1));
        host.SetText(101, "");
        host.SetFocus(101);
    }
    bool CanClose(platform::DialogHost& host) override {
        taken.push_back(host.Text(101));
        if (taken.size() >= 3) return true;
        host.SetText(100, "Student " + std::to_string(taken.size() + 1));
        host.SetText(101, "");
        return false;
    }
    void Ended(platform::DialogHost&, bool ok) override { endings.push_back(ok); }
    int setups = 0;
    std::vector<std::string> taken;
    std::vector<bool> endings;
};

TEST(QtModelessDialogTest, StaysOpenWhileTheFrameWorksAndEndsWhenItsCodeSays) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    FrameCommands client;
    frame.SetClient(&client);
    frame.show();
    QtUi ui(&frame);
    auto prompt = std::make_unique<NumberPrompt>();
    platform::ModelessDialogHost& host = ui.MakeModeless(*prompt);
    ASSERT_EQ(prompt->Modeless(), &host);
    auto* dialog = dynamic_cast<QtDialogHost*>(&host);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(prompt->setups, 0);

    host.Show();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(prompt->setups, 1);
    EXPECT_EQ(host.Text(100), "Student 1");

    auto* edit = qobject_cast<QLineEdit*>(dialog->Control(101));
    auto* ok = qobject_cast<QPushButton*>(dialog->Control(platform::kIdOk));
    ASSERT_TRUE(edit && ok);
    QTest::keyClicks(edit, "7");
    ok->click();
    // OK took the number and asks for the next student: still open.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(host.Text(100), "Student 2");
    EXPECT_TRUE(prompt->endings.empty());

    // Meanwhile the frame's menu works: nothing is modal.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    frame.CommandAction(resources::cmd::kOpen)->trigger();
    EXPECT_EQ(client.commands, std::vector<int>{resources::cmd::kOpen});

    QTest::keyClicks(edit, "12");
    ok->click();
    QTest::keyClicks(edit, "3");
    ok->click();
    EXPECT_EQ(prompt->taken, (std::vector<std::string>{"7", "12", "3"}));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(prompt->endings, std::vector<bool>{true});

    // Shown again it starts over; Escape cancels it.
    prompt->taken.clear();
    host.Show();
    EXPECT_EQ(prompt->setups, 2);
    EXPECT_EQ(host.Text(100), "Student 1");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(prompt->endings, (std::vector<bool>{true, false}));
    EXPECT_TRUE(prompt->taken.empty());

    // Hidden from the code: no ending. The dialog object going takes the window.
    host.Show();
    host.Hide();
    EXPECT_EQ(prompt->endings.size(), 2u);
    QPointer<QtDialogHost> watch(dialog);
    prompt.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    frame.SetClient(nullptr);
}

}  // namespace
}  // namespace quorle::qt
