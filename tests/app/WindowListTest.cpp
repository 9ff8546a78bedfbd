// The Window menu's list of class windows, the changed mark of a caption and
// the key that closes the active class, through the client on the fake platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DecoClient.h"
#include "app/UserSettings.h"
#include "classwin/ClassWindow.h"
#include "record/ClassFile.h"
#include "resources/Menus.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using platform::Answer;
using testing::FakeDialogHost;
using testing::FakeFrame;
using testing::FakeUi;
using testing::TempDir;
namespace cmd = resources::cmd;

class WindowListTest : public ::testing::Test {
protected:
    WindowListTest() {
        ui.programDirectory = dir.Path();
        frame.client = &client;
    }

    std::string Open(const std::string& course) {
        ClassRecord record = NewClassRecord();
        record.info.course = course;
        record.info.period = "3";
        AddStudent(record, "Adams", "Ann", "101");
        const std::string name = "c" + std::to_string(++made) + ".gdr";
        dir.Write(name, SerializeClassFile(record));
        client.OpenClass(dir.File(name));
        return dir.File(name);
    }

    // The list as shown: "[x] " before the checked entry.
    std::vector<std::string> Listed() const {
        std::vector<std::string> out;
        const auto it = frame.menuLists.find(cmd::kCloseAll);
        if (it == frame.menuLists.end()) return out;
        for (const auto& item : it->second) {
            if (item.kind == platform::MenuItem::Kind::Separator) {
                out.push_back("-");
                continue;
            }
            EXPECT_EQ(item.id, cmd::kWindowClass + static_cast<int>(out.size()) - 1) << item.label;
            out.push_back((item.checked ? "[x] " : "") + item.label);
        }
        return out;
    }

    auto* Host(std::size_t index) const { return frame.HostOf(*frame.Children()[index]); }
    std::string Caption(std::size_t index) const { return Host(index)->caption; }

    TempDir dir;
    FakeUi ui;
    FakeFrame frame;
    TDecoClient client{frame, ui};
    int made = 0;
};

TEST_F(WindowListTest, ListsTheFirstNineWindowsNumberedWithTheActiveOneChecked) {
    EXPECT_TRUE(Listed().empty());
    const std::string bio = Open("Biology");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"-", "[x] &1 Biology       Period 3  " + bio}));
    const std::string rd = Open("R&D");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"-", "&1 Biology       Period 3  " + bio,
                                                  "[x] &2 R&&D       Period 3  " + rd}));
    // Choosing an entry activates its window; one past the list does nothing.
    client.Command(cmd::kWindowClass + 0);
    EXPECT_EQ(frame.ActiveChild(), frame.Children()[0]);
    client.Command(cmd::kWindowClass + 2);
    EXPECT_EQ(frame.ActiveChild(), frame.Children()[0]);
    EXPECT_EQ(Listed()[1], "[x] &1 Biology       Period 3  " + bio);

    // Nine windows are all listed; a tenth is not, and the ninth is reached.
    for (int i = 3; i <= 9; ++i) Open("Class " + std::to_string(i));
    ASSERT_EQ(Listed().size(), 10u);
    EXPECT_EQ(Listed()[9].substr(0, 15), "[x] &9 Class 9 ");
    Open("Class 10");
    ASSERT_EQ(Listed().size(), 10u);
    EXPECT_EQ(Listed()[9].substr(0, 11), "&9 Class 9 ");
    client.Command(cmd::kWindowClass + 8);
    EXPECT_EQ(frame.ActiveChild(), frame.Children()[8]);

    // A window that closes leaves the list, and the others move up.
    ASSERT_TRUE(frame.CloseChild(*frame.Children()[0]));
    EXPECT_EQ(Listed()[1], "&1 R&&D       Period 3  " + rd);
    client.Command(cmd::kCloseAll);
    EXPECT_TRUE(Listed().empty());
}

// Only the changes not written at once mark a class: display options and
// Extra names on a class whose write failed or was never named, and Extra
// names anywhere. Save takes the mark away.
TEST_F(WindowListTest, AClassWithChangesNotWrittenIsMarkedInItsCaptionAndTheList) {
    const std::string bio = Open("Biology");
    const std::string plain = "Biology       Period 3  " + bio;
    EXPECT_EQ(Caption(0), plain);
    ui.dialogs.push_back([](FakeDialogHost& h) {
        h.Type(101, "Lab2");
        h.PressOk();
    });
    client.Command(cmd::kExtraNames);
    EXPECT_EQ(Caption(0), "*" + plain);
    EXPECT_EQ(Listed()[1], "[x] &1 *" + plain);
    const auto before = dir.Read("c1.gdr");

    client.Command(cmd::kSave);
    EXPECT_EQ(Caption(0), plain);
    EXPECT_EQ(Listed()[1], "[x] &1 " + plain);
    EXPECT_NE(dir.Read("c1.gdr"), before);
    EXPECT_EQ(ReadClassFile(bio).extra1Name.Str(), "Lab2");

    // Cancelled: nothing changed, no mark.
    client.Command(cmd::kExtraNames);
    EXPECT_EQ(Caption(0), plain);
    // The caption is set again only when it changes.
    EXPECT_EQ(Host(0)->captions,
              (std::vector<std::string>{plain, "*" + plain, plain}));
}

// Ctrl+W and Ctrl+F4 close the active class as its close box does: a
// changed class asks first, and Cancel keeps it open.
TEST_F(WindowListTest, CloseClassAsksAsClosingDoes) {
    const auto& keys = resources::MainFrameLayout().accelerators;
    std::vector<std::string> closing;
    for (const auto& key : keys)
        if (key.command == cmd::kCloseClass) closing.push_back(key.keys);
    EXPECT_EQ(closing, (std::vector<std::string>{"Ctrl+W", "Ctrl+F4"}));

    client.Command(cmd::kCloseClass);  // no class: nothing
    Open("Biology");
    Open("Chemistry");
    client.ActiveClass()->Record().modified = true;
    const struct {
        Answer answer;
        std::size_t left;
    } cases[] = {{Answer::Cancel, 2}, {Answer::No, 1}};
    for (const auto& c : cases) {
        ui.boxes.clear();
        ui.answers.push_back(c.answer);
        client.Command(cmd::kCloseClass);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "File has changed");
        EXPECT_EQ(frame.Children().size(), c.left);
        EXPECT_EQ(client.OpenClassCount(), static_cast<int>(c.left));
    }
    // An unchanged class closes without a word.
    ui.boxes.clear();
    client.Command(cmd::kCloseClass);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(frame.Children().empty());
}

// The only class window fills the frame's area, a further one takes the usual
// place; one the teacher resized opens at that size next time (kept however it
// closed, within the area), one left as it opened keeps nothing.
TEST_F(WindowListTest, EachClassOpensAtTheSizeItWasLeftAt) {
    const std::string settings = dir.File("config/quorle.conf");
    client.KeepSettingsIn(settings);
    frame.area = {1000, 700};
    const std::string bio = Open("Biology"), chem = Open("Chemistry");
    const std::string chemPath = client.ActiveClass()->Record().fileName;
    EXPECT_EQ(Host(0)->placement, (platform::Rect{0, 0, 1000, 700}));
    EXPECT_EQ(Host(1)->placement, client.DefaultPlacement());
    Host(1)->Resize({1100, 300});
    client.Command(cmd::kCloseClass);
    ASSERT_TRUE(frame.CloseChild(*frame.Children()[0]));  // the close box
    EXPECT_EQ(ReadUserSettings(settings).classWindows, (std::vector<ClassWindowSize>{{chemPath, 1100, 300}}));
    client.OpenClass(bio);
    client.OpenClass(chem);
    EXPECT_EQ(Host(0)->placement, (platform::Rect{0, 0, 1000, 700}));
    EXPECT_EQ(Host(1)->placement, (platform::Rect{0, 96, 1000, 396}));
    Host(1)->Resize({640, 480});
    ASSERT_TRUE(client.CanCloseFrame());  // quitting keeps the sizes of the windows still open
    EXPECT_EQ(ReadUserSettings(settings).classWindows, (std::vector<ClassWindowSize>{{chemPath, 640, 480}}));
}

}  // namespace
}  // namespace quorle
