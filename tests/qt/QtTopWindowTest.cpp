// The windows a class window owns: a top-level window with its own menu,
// status bar, keys and paint, and a modeless dialog that stays open while the
// frame keeps working. Each behaviour is one script run on the real Qt
// windows (offscreen) and on the test fakes, so that unit tests written
// against the fakes hold on screen.
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
#include <functional>
#include <memory>

#include "platform/Dialog.h"
#include "platform/TopWindow.h"
#include "platform/qt/QtDialogHost.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/Menus.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
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

// What a person does with a top-level window, on screen or in a fake.
struct WindowPerson {
    std::function<void(int)> choose;               // a menu command
    std::function<std::string(int)> hover;         // highlights a menu item: the status text
    std::function<void(Key)> press;                // a key in the window
    std::function<void()> closeBox;
};

// The top-level window's behaviour, the same on screen and in the fakes.
void TopWindowContract(platform::Frame& frame, const std::function<void(platform::ChildWindow&)>& makeChild,
                       const std::function<WindowPerson(platform::TopWindowHost&)>& person) {
    Owner owner;
    makeChild(owner);
    auto chart = std::make_unique<ChartProbe>();
    platform::TopWindowHost& host = frame.CreateTopWindow(*chart, owner, ChartAttributes());
    ASSERT_EQ(chart->TopHost(), &host);
    ASSERT_EQ(chart->Host(), &host);
    WindowPerson you = person(host);

    // Made hidden; shown on demand.
    EXPECT_FALSE(chart->IsVisible());
    host.SetCaption("Seating Chart for biology.CHT");
    chart->ShowWindow();
    EXPECT_TRUE(chart->IsVisible());

    // Its own menu reaches the window; the highlighted item's hint shows in its status bar.
    you.choose(411);
    EXPECT_EQ(chart->commands, std::vector<int>{411});
    EXPECT_EQ(you.hover(413), "Prints the seating chart");
    you.press(Key::Down);
    EXPECT_EQ(chart->GetScroller().yPos, 1);

    // Close Chart hides it, and it comes back; the close box hides it by default.
    you.choose(410);
    EXPECT_FALSE(chart->IsVisible());
    chart->ShowWindow();
    EXPECT_TRUE(chart->IsVisible());
    you.closeBox();
    EXPECT_FALSE(chart->IsVisible());
    EXPECT_EQ(chart->TopHost(), &host);

    // The owner's window goes: the chart's goes with it and lets go of the object.
    chart->ShowWindow();
    frame.DestroyChild(owner);
    EXPECT_EQ(chart->TopHost(), nullptr);
    EXPECT_EQ(chart->Host(), nullptr);
    EXPECT_FALSE(chart->IsVisible());
    chart.reset();  // nothing left to release

    // A window object that goes first takes its platform window along.
    Owner second;
    makeChild(second);
    auto grid = std::make_unique<ChartProbe>();
    frame.CreateTopWindow(*grid, second, ChartAttributes());
    grid->ShowWindow();
    grid.reset();
    frame.DestroyChild(second);
}

TEST(TopWindowContract, OnScreen) {
    TestApp();
    QtFrame frame;
    frame.show();
    FrameCommands frameCommands;
    frame.SetClient(&frameCommands);
    TopWindowContract(
        frame, [&](platform::ChildWindow& owner) { frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show(); },
        [](platform::TopWindowHost& host) {
            auto* window = dynamic_cast<QtTopWindow*>(&host);
            EXPECT_NE(window, nullptr);
            WindowPerson you;
            you.choose = [window](int id) { window->CommandAction(id)->trigger(); };
            you.hover = [window](int id) {
                QMenu* options = window->menuBar()->actions()[0]->menu();
                options->popup(QPoint(0, 0));
                options->setActiveAction(window->CommandAction(id));
                QApplication::processEvents();
                const std::string text = window->statusBar()->currentMessage().toStdString();
                options->hide();
                QApplication::processEvents();
                // The status bar empties when the menu goes.
                EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
                return text;
            };
            you.press = [window](Key key) {
                window->View()->setFocus();
                EXPECT_EQ(key, Key::Down);
                QTest::keyClick(window->View(), Qt::Key_Down);
            };
            you.closeBox = [window] { window->close(); };
            return you;
        });
    // Nothing reached the frame's own client.
    EXPECT_TRUE(frameCommands.commands.empty());
    frame.SetClient(nullptr);
}

TEST(TopWindowContract, InTheFakes) {
    testing::FakeFrame frame;
    TopWindowContract(
        frame, [&](platform::ChildWindow& owner) { frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show(); },
        [](platform::TopWindowHost& host) {
            auto* fake = dynamic_cast<testing::FakeTopWindowHost*>(&host);
            EXPECT_NE(fake, nullptr);
            WindowPerson you;
            you.choose = [fake](int id) { fake->ChooseCommand(id); };
            you.hover = [fake](int id) { return fake->HoverMenuItem(id); };
            you.press = [fake](Key key) { fake->PressKey(key); };
            you.closeBox = [fake] { fake->PressCloseBox(); };
            return you;
        });
}

// What only the screen shows: the menu's labels, greyed commands, the
// accelerator, the scroll bar following the keys, and the painting.
TEST(QtTopWindowTest, MenuLabelsGreyedCommandsKeysAndPaint) {
    TestApp();
    QtFrame frame;
    frame.show();
    Owner owner;
    frame.CreateChild(owner, platform::Rect{10, 10, 500, 400}).Show();
    ChartProbe chart;
    platform::TopWindowHost& host = frame.CreateTopWindow(chart, owner, ChartAttributes());
    auto* window = dynamic_cast<QtTopWindow*>(&host);
    ASSERT_NE(window, nullptr);
    host.SetCaption("Seating Chart for biology.CHT");
    chart.ShowWindow();
    EXPECT_EQ(window->windowTitle(), "Seating Chart for biology.CHT");
    EXPECT_TRUE(window->isWindow());
    // A useful size of its own, not a title-bar stub.
    EXPECT_GE(window->width(), 300);
    EXPECT_GE(window->height(), 200);

    ASSERT_EQ(window->menuBar()->actions().size(), 1);
    EXPECT_EQ(window->menuBar()->actions()[0]->text(), "&Options");
    QStringList labels;
    for (QAction* a : window->menuBar()->actions()[0]->menu()->actions()) labels << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(labels, (QStringList{"&Switch Seats", "&Print Chart", "-", "&Close Chart"}));

    // A greyed-out command is shown so and cannot be chosen.
    host.EnableCommand(411, false);
    EXPECT_FALSE(window->CommandAction(411)->isEnabled());
    window->CommandAction(411)->trigger();
    EXPECT_TRUE(chart.commands.empty());
    host.EnableCommand(411, true);

    QApplication::setActiveWindow(window);
    window->View()->setFocus();
    QTest::keyClick(window->View(), Qt::Key_Down);
    EXPECT_EQ(window->View()->verticalScrollBar()->value(), 1);
    QTest::keyClick(window->View(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(chart.commands, std::vector<int>{413});

    const QImage picture = window->grab().toImage();
    EXPECT_GT(chart.paints, 0);
    picture.save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("top-window.png"));

    // The platform window goes later, outside its own handlers.
    QPointer<QtTopWindow> watch(window);
    frame.DestroyChild(owner);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
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

// What a person does with a modeless dialog.
struct DialogPerson {
    std::function<void(int, const std::string&)> type;
    std::function<void()> ok;
    std::function<void()> cancel;
    // Something else in the program, done while the dialog is open.
    std::function<void()> workElsewhere;
};

void ModelessContract(platform::Ui& ui, const std::function<DialogPerson(platform::ModelessDialogHost&)>& person) {
    auto prompt = std::make_unique<NumberPrompt>();
    platform::ModelessDialogHost& host = ui.MakeModeless(*prompt);
    ASSERT_EQ(prompt->Modeless(), &host);
    DialogPerson you = person(host);
    EXPECT_FALSE(host.IsVisible());
    EXPECT_EQ(prompt->setups, 0);

    host.Show();
    EXPECT_TRUE(host.IsVisible());
    EXPECT_EQ(prompt->setups, 1);
    EXPECT_EQ(host.Text(100), "Student 1");

    // OK takes the number and asks for the next student: still open.
    you.type(101, "7");
    you.ok();
    EXPECT_TRUE(host.IsVisible());
    EXPECT_EQ(host.Text(100), "Student 2");
    EXPECT_TRUE(prompt->endings.empty());
    you.workElsewhere();
    you.type(101, "12");
    you.ok();
    you.type(101, "3");
    you.ok();
    EXPECT_EQ(prompt->taken, (std::vector<std::string>{"7", "12", "3"}));
    EXPECT_FALSE(host.IsVisible());
    EXPECT_EQ(prompt->endings, std::vector<bool>{true});

    // Shown again it starts over; Cancel hides it and says so.
    prompt->taken.clear();
    host.Show();
    EXPECT_EQ(prompt->setups, 2);
    EXPECT_EQ(host.Text(100), "Student 1");
    you.cancel();
    EXPECT_FALSE(host.IsVisible());
    EXPECT_EQ(prompt->endings, (std::vector<bool>{true, false}));
    EXPECT_TRUE(prompt->taken.empty());

    // Hidden from the code: no ending. The dialog object going takes the window.
    host.Show();
    host.Hide();
    EXPECT_EQ(prompt->endings.size(), 2u);
    prompt.reset();
}

TEST(ModelessContract, OnScreen) {
    TestApp();
    QtFrame frame(resources::MainFrameLayout());
    FrameCommands client;
    frame.SetClient(&client);
    frame.show();
    QtUi ui(&frame);
    QPointer<QtDialogHost> watch;
    ModelessContract(ui, [&](platform::ModelessDialogHost& host) {
        auto* dialog = dynamic_cast<QtDialogHost*>(&host);
        EXPECT_NE(dialog, nullptr);
        watch = dialog;
        DialogPerson you;
        you.type = [dialog](int id, const std::string& text) {
            auto* edit = qobject_cast<QLineEdit*>(dialog->Control(id));
            edit->clear();
            QTest::keyClicks(edit, QString::fromStdString(text));
        };
        you.ok = [dialog] { qobject_cast<QPushButton*>(dialog->Control(platform::kIdOk))->click(); };
        you.cancel = [dialog] { QTest::keyClick(dialog->Control(101), Qt::Key_Escape); };
        you.workElsewhere = [&frame, dialog] {
            // Nothing is modal: the frame's menu works while the prompt is up.
            EXPECT_FALSE(dialog->isModal());
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            frame.CommandAction(resources::cmd::kOpen)->trigger();
        };
        return you;
    });
    EXPECT_EQ(client.commands, std::vector<int>{resources::cmd::kOpen});
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    frame.SetClient(nullptr);
}

TEST(ModelessContract, InTheFakes) {
    testing::FakeUi ui;
    int elsewhere = 0;
    ModelessContract(ui, [&](platform::ModelessDialogHost& host) {
        auto* fake = dynamic_cast<testing::FakeDialogHost*>(&host);
        EXPECT_NE(fake, nullptr);
        EXPECT_EQ(ui.Modeless("Seat Number"), fake);
        DialogPerson you;
        you.type = [fake](int id, const std::string& text) { fake->Type(id, text); };
        you.ok = [fake] { fake->PressOk(); };
        you.cancel = [fake] { fake->PressCancel(); };
        you.workElsewhere = [&] { ++elsewhere; };
        return you;
    });
    EXPECT_EQ(elsewhere, 1);
    // The dialog went: nothing can be done with its window any more.
    ASSERT_EQ(ui.modeless.size(), 1u);
    EXPECT_TRUE(ui.modeless[0]->Released());
    EXPECT_EQ(ui.Modeless("Seat Number"), nullptr);
    EXPECT_THROW(ui.modeless[0]->PressOk(), std::logic_error);
}

}  // namespace
}  // namespace quorle::qt
