#include "app/DecoClient.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fstream>
#include <functional>
#include <map>

#include "../classwin/ClassFixture.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "record/ClassFile.h"
#include "record/ClassRecord.h"
#include "resources/Menus.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/OtherProgram.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using platform::Answer;
using platform::Icon;
using testing::FakeFrame;
using testing::FakeUi;
using testing::TempDir;
namespace cmd = resources::cmd;

class DecoClientTest : public ::testing::Test {
protected:
    DecoClientTest() : client(frame, ui) { frame.client = &client; }

    // A class file with two students, written where the test wants it.
    std::string WriteClass(const std::string& name, const std::string& course) {
        ClassRecord record = NewClassRecord();
        record.info.course = course;
        record.info.period = "3";
        AddStudent(record, "Adams", "Ann", "101");
        AddStudent(record, "Baker", "Bob", "102");
        const auto bytes = SerializeClassFile(record);
        dir.Write(name, bytes);
        return dir.File(name);
    }

    // Opens a file through the File > Open command.
    void OpenThroughDialog(const std::string& path) {
        ui.fileNames.push_back(path);
        client.Command(cmd::kOpen);
    }

    TempDir dir;
    FakeUi ui = [this] {
        FakeUi u;
        u.programDirectory = dir.Path();
        return u;
    }();
    FakeFrame frame{platform::Size{1024, 768}};
    TDecoClient client;
};

TEST_F(DecoClientTest, OpenAsksForAClassFileThatMustExist) {
    ui.fileNames.push_back(std::nullopt);
    client.Command(cmd::kOpen);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    const auto& call = ui.fileDialogs[0];
    EXPECT_FALSE(call.save);
    EXPECT_EQ(call.options.filter, "Class Files (*.gdr)|*.gdr;*.GDR|");
    EXPECT_EQ(call.options.defaultExtension, "gdr");
    EXPECT_TRUE(call.options.fileMustExist);
    EXPECT_TRUE(call.options.pathMustExist);
    // Cancelled: nothing opened, nothing said.
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(client.OpenClassCount(), 0);
}

TEST_F(DecoClientTest, OpenReportsReadingErrorsAndLeavesNoWindow) {
    OpenThroughDialog(dir.File("missing.gdr"));
    dir.Write("junk.gdr", {'n', 'o', 't', ' ', 'a', ' ', 'c', 'l', 'a', 's', 's'});
    OpenThroughDialog(dir.File("junk.gdr"));

    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{"File cannot be found!\nNo such file or folder: " + dir.File("missing.gdr"),
                                                       "Incorrect file format\n" + dir.File("junk.gdr")}));
    for (const auto& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Error!");
        EXPECT_EQ(box.icon, Icon::Stop);
    }
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(client.Classes().empty());
    EXPECT_EQ(client.OpenClassCount(), 0);
}

TEST_F(DecoClientTest, OpenedClassGetsItsWindowFillingTheFrameThenAtTheDefaultPlacement) {
    const std::string path = WriteClass("bio.gdr", "Biology");
    OpenThroughDialog(path);

    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(frame.Children().size(), 1u);
    EXPECT_EQ(client.OpenClassCount(), 1);
    auto* host = frame.HostOf(*frame.Children()[0]);
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->Shown());
    // The only class window fills the frame's area (the screen's size here).
    EXPECT_EQ(host->placement, (platform::Rect{0, 0, 1024, 768}));
    EXPECT_EQ(host->caption, "Biology       Period 3  " + path);
    ASSERT_NE(client.ActiveClass(), nullptr);
    EXPECT_FALSE(client.ActiveClass()->Record().modified);
    EXPECT_EQ(client.ActiveClass()->Record().StudentCount(), 2);

    OpenThroughDialog(WriteClass("chem.gdr", "Chemistry"));
    EXPECT_EQ(client.OpenClassCount(), 2);
    EXPECT_EQ(frame.Children().size(), 2u);
    // A further one: an eighth of the screen in, six eighths wide and high.
    EXPECT_EQ(frame.HostOf(*frame.Children()[1])->placement, (platform::Rect{128, 96, 128 + 768, 96 + 576}));
}

// Opening a class that is open, by any path to its file, brings its window
// forward, changes unsaved and all, instead of making a second one.
TEST_F(DecoClientTest, OpeningAnOpenClassActivatesItsWindow) {
    const std::string bio = WriteClass("BIO.GDR", "Biology");
    std::filesystem::create_symlink(bio, dir.File("link.gdr"));
    OpenThroughDialog(bio);
    client.ActiveClass()->Record().info.instructor = "Jones";
    client.ActiveClass()->Record().modified = true;
    OpenThroughDialog(WriteClass("chem.gdr", "Chemistry"));
    for (const std::string& again : {bio, dir.Path() + "/./BIO.GDR", dir.File("link.gdr")}) {
        frame.ActivateChild(*frame.Children()[1]);
        OpenThroughDialog(again);
        EXPECT_EQ(client.OpenClassCount(), 2) << again;
        EXPECT_EQ(frame.Children().size(), 2u) << again;
        ASSERT_NE(client.ActiveClass(), nullptr);
        EXPECT_EQ(client.ActiveClass()->Record().info.instructor.Str(), "Jones") << again;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DecoClientTest, ClosingAWindowCountsDown) {
    OpenThroughDialog(WriteClass("a.gdr", "Algebra"));
    OpenThroughDialog(WriteClass("b.gdr", "Biology"));
    ASSERT_TRUE(frame.CloseChild(*frame.Children()[0]));
    EXPECT_EQ(client.OpenClassCount(), 1);
    EXPECT_EQ(client.Classes().size(), 1u);
}

TEST_F(DecoClientTest, CloseAllStopsAtTheFirstRefusal) {
    OpenThroughDialog(WriteClass("a.gdr", "Algebra"));
    OpenThroughDialog(WriteClass("b.gdr", "Biology"));
    OpenThroughDialog(WriteClass("c.gdr", "Chemistry"));
    client.Classes()[1]->Record().modified = true;
    client.Classes()[2]->Record().modified = true;

    ui.answers.push_back(Answer::Cancel);
    client.Command(cmd::kCloseAll);
    // Only the second class was asked; the third never was, and nothing closed.
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "File has changed");
    EXPECT_EQ(ui.boxes[0].text, "b.gdr has changed. Do you want to save changes ?");
    EXPECT_EQ(frame.Children().size(), 3u);
    EXPECT_TRUE(frame.destroyed.empty());
    EXPECT_EQ(client.OpenClassCount(), 3);

    // Now everyone agrees (without saving): all close.
    ui.answers.insert(ui.answers.end(), {Answer::No, Answer::No});
    client.Command(cmd::kCloseAll);
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_TRUE(client.Classes().empty());
    EXPECT_EQ(client.OpenClassCount(), 0);
}

TEST_F(DecoClientTest, ExitOffersEveryChangedClassBeforeQuitting) {
    const std::string path = WriteClass("a.gdr", "Algebra");
    OpenThroughDialog(path);
    OpenThroughDialog(WriteClass("b.gdr", "Biology"));
    client.Classes()[0]->Record().modified = true;
    client.Classes()[0]->Record().info.course = "Algebra II";

    // Cancel keeps the program running.
    ui.answers.push_back(Answer::Cancel);
    client.Command(cmd::kExit);
    EXPECT_FALSE(frame.closed);
    EXPECT_EQ(ui.boxes.size(), 1u);

    // Yes saves the class, then the frame closes and the help viewer is told to quit.
    ui.answers.push_back(Answer::Yes);
    client.Command(cmd::kExit);
    EXPECT_TRUE(frame.closed);
    EXPECT_EQ(ReadClassFile(path).info.course.Str(), "Algebra II");
    ASSERT_EQ(ui.helpCalls.size(), 2u);
    EXPECT_EQ(ui.helpCalls[0], "quit quorle.hlp");
    EXPECT_EQ(ui.helpCalls[1], "quit WINHELP.HLP");
}

TEST_F(DecoClientTest, FrameCloseBoxAsksTheClient) {
    OpenThroughDialog(WriteClass("a.gdr", "Algebra"));
    client.Classes()[0]->Record().modified = true;
    ui.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(frame.CloseByUser());
    ui.answers.push_back(Answer::No);
    EXPECT_TRUE(frame.CloseByUser());
}

TEST_F(DecoClientTest, ClassCommandsDoNothingWithoutAClass) {
    for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kClassInformation, cmd::kDisplayOptions, cmd::kExtraNames,
                   cmd::kGradingSystem, cmd::kNewGrade, cmd::kAddStudents, cmd::kStudentInfo, cmd::kAlphabetize,
                   cmd::kPrintGrades, cmd::kPrintMakeup, cmd::kPrintRandomList, cmd::kPrintNameId, cmd::kPrintGradeSheets,
                   cmd::kPrintAttendance, cmd::kSeatingChart, cmd::kNewGradingPeriod, cmd::kCascade, cmd::kTile,
                   cmd::kCloseAll, 99999})
        client.Command(id);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_TRUE(ui.dialogCaptions.empty());
    EXPECT_TRUE(frame.Children().empty());
    EXPECT_FALSE(frame.closed);
}

TEST_F(DecoClientTest, LetterEditorsWorkWithoutAClass) {
    client.Command(cmd::kEditProgress);
    client.Command(cmd::kEditWarning);
    // Without template files each says so; nothing prints without a class.
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{"Unable to open quorle.prg", "Unable to open quorle.wrn"}));
    client.Command(cmd::kPrintProgress);
    client.Command(cmd::kPrintWarnings);
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(DecoClientTest, ClassCommandsGoToTheActiveClass) {
    OpenThroughDialog(WriteClass("a.gdr", "Algebra"));
    OpenThroughDialog(WriteClass("b.gdr", "Biology"));
    frame.ActivateChild(*frame.Children()[0]);
    // Class Information, cancelled: the dialog ran once, on the active class.
    client.Command(cmd::kClassInformation);
    ASSERT_EQ(ui.dialogCaptions.size(), 1u);
    EXPECT_EQ(ui.dialogCaptions[0], "Class Information");
}

TEST_F(DecoClientTest, SaveAsOnTheActiveClassAsksForAName) {
    OpenThroughDialog(WriteClass("a.gdr", "Algebra"));
    ui.fileNames.push_back(dir.File("copy"));
    client.Command(cmd::kSaveAs);
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_TRUE(ui.fileDialogs[1].save);
    EXPECT_TRUE(dir.Exists("copy.gdr"));
    EXPECT_EQ(client.OpenClassCount(), 1);
}

TEST_F(DecoClientTest, HelpCommandsOpenTheHelpFiles) {
    client.Command(cmd::kHelp);
    client.Command(cmd::kHelpIndex);
    client.Command(cmd::kUsingHelp);
    EXPECT_EQ(ui.helpCalls,
              (std::vector<std::string>{"contents quorle.hlp", "index quorle.hlp", "contents WINHELP.HLP"}));
}

TEST_F(DecoClientTest, CascadeAndTileReachTheFrame) {
    client.Command(cmd::kCascade);
    client.Command(cmd::kTile);
    EXPECT_EQ(frame.cascadeCount, 1);
    EXPECT_EQ(frame.tileCount, 1);
}

TEST_F(DecoClientTest, TheClientIsReachableFromEverywhere) {
    EXPECT_EQ(TDecoClient::Instance(), &client);
    EXPECT_EQ(client.ProgramDirectory(), dir.Path());
}

// A class is changed by one program at a time: one that another program has
// open is not opened here; a lock left by a program that ended is taken over;
// the lock goes with the class to a new name and goes when it is closed.
TEST_F(DecoClientTest, AClassOpenInAnotherProgramIsNotOpenedHere) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const std::string path = WriteClass("bio.gdr", "Biology");
    for (const bool killed : {false, true}) {
        SCOPED_TRACE(killed ? "the other program killed" : "the other program running");
        testing::OtherProgram other(path);
        ASSERT_TRUE(other.Held());
        const std::string refusal = "bio.gdr is open in another Quorle program (process " +
                                    std::to_string(other.Pid()) + " on " + host +
                                    ").\nClose it there first: a class is changed by one program at a time.";
        if (killed) other.Kill();
        ui.boxes.clear();
        OpenThroughDialog(path);
        if (!killed) {
            ASSERT_EQ(ui.boxes.size(), 1u);
            EXPECT_EQ(ui.boxes[0].caption, "Information");
            EXPECT_EQ(ui.boxes[0].text, refusal);
            EXPECT_EQ(ui.boxes[0].icon, Icon::Information);
            EXPECT_TRUE(frame.Children().empty());
            EXPECT_EQ(client.OpenClassCount(), 0);
            continue;
        }
        EXPECT_TRUE(ui.boxes.empty());
        ASSERT_EQ(client.OpenClassCount(), 1);
    }
    // Open here: another program cannot have it, under its old name or its new.
    EXPECT_FALSE(testing::OtherProgram(path).Held());
    ui.fileNames.push_back(dir.File("bio2.gdr"));
    client.Command(cmd::kSaveAs);
    EXPECT_TRUE(testing::OtherProgram(path).Held());
    EXPECT_FALSE(testing::OtherProgram(dir.File("bio2.gdr")).Held());
    EXPECT_TRUE(dir.Exists(".bio2.gdr.lock"));
    client.Command(cmd::kCloseAll);
    EXPECT_EQ(client.OpenClassCount(), 0);
    EXPECT_FALSE(dir.Exists(".bio2.gdr.lock"));
    EXPECT_FALSE(dir.Exists(".bio.gdr.lock"));
}

// The frame's side of greying: the last state each command was given.
class GreyingFrame : public FakeFrame {
public:
    void EnableCommand(int id, bool enabled) override { enabled_[id] = enabled; }
    bool Enabled(int id) const {
        const auto it = enabled_.find(id);
        return it == enabled_.end() || it->second;
    }

private:
    std::map<int, bool> enabled_;
};

// Every command of the menu that works on a class is greyed while no class is
// open; the others (files, letters, help) can always be chosen.
TEST(ClassCommands, GreyedWhileNoClassIsOpen) {
    TempDir dir;
    FakeUi ui;
    ui.programDirectory = dir.Path();
    GreyingFrame frame;
    TDecoClient client(frame, ui);
    frame.client = &client;
    const std::vector<std::pair<int, bool>> needsClass{
        {cmd::kNew, false},           {cmd::kOpen, false},           {cmd::kSave, true},
        {cmd::kSaveAs, true},         {cmd::kEarlierVersions, true}, {cmd::kPrintGrades, true},     {cmd::kPrintPreview, true},
        {cmd::kPrintProgress, true},
        {cmd::kPrintWarnings, true},  {cmd::kPrintMakeup, true},     {cmd::kPrintRandomList, true},
        {cmd::kPrintNameId, true},    {cmd::kPrintGradeSheets, true}, {cmd::kPrintAttendance, true},
        {cmd::kExport, true},         {cmd::kDeleteFile, false},     {cmd::kExit, false},
        {cmd::kNewGrade, true},       {cmd::kAddStudents, true},     {cmd::kImportStudents, true},
        {cmd::kStudentInfo, true},    {cmd::kChangeGradeTitle, true}, {cmd::kGradingSystem, true},
        {cmd::kClassInformation, true}, {cmd::kEditProgress, false}, {cmd::kEditWarning, false},
        {cmd::kAlphabetize, true},    {cmd::kNewGradingPeriod, true}, {cmd::kSeatingChart, true},
        {cmd::kDisplayOptions, true}, {cmd::kExtraNames, true},      {cmd::kGridNew, true},
        {cmd::kGridOpen, true},       {cmd::kGridDelete, true},      {cmd::kCascade, true},
        {cmd::kTile, true},           {cmd::kCloseAll, true},        {cmd::kHelp, false},
        {cmd::kHelpIndex, false},     {cmd::kUsingHelp, false},      {cmd::kFindStudent, true},
        {cmd::kSortByColumn, true},   {cmd::kRosterOrder, true}, {cmd::kClassPicture, true}, {cmd::kHighContrast, false},
        {cmd::kCopy, true},           {cmd::kCopyTable, true},       {cmd::kPaste, true},
        {cmd::kNewGradeColumn, true}, {cmd::kImportGrades, true},    {cmd::kTermGrades, false},
    };
    // The table covers the whole menu.
    int commands = 0;
    std::function<void(const std::vector<platform::MenuItem>&)> count = [&](const auto& items) {
        for (const auto& item : items) {
            if (item.kind == platform::MenuItem::Kind::Popup) count(item.items);
            if (item.kind == platform::MenuItem::Kind::Command) ++commands;
        }
    };
    count(resources::MenuResource(resources::kMainMenu));
    // Undo and Redo besides: greyed until the open class has a step to undo or redo.
    EXPECT_EQ(static_cast<std::size_t>(commands), needsClass.size() + 2);
    EXPECT_FALSE(frame.Enabled(cmd::kUndo));
    EXPECT_FALSE(frame.Enabled(cmd::kRedo));

    const auto expectAll = [&](bool open) {
        for (const auto& [id, needs] : needsClass) EXPECT_EQ(frame.Enabled(id), open || !needs) << id;
    };
    {
        SCOPED_TRACE("no class");
        expectAll(false);
    }
    ClassRecord record = NewClassRecord();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    ASSERT_TRUE(client.OpenClass(record.fileName));
    {
        SCOPED_TRACE("one class open");
        expectAll(true);
        EXPECT_FALSE(frame.Enabled(cmd::kUndo));  // nothing done yet
    }
    ASSERT_TRUE(frame.CloseChild(*frame.Children().front()));
    {
        SCOPED_TRACE("closed again");
        expectAll(false);
        EXPECT_FALSE(frame.Enabled(cmd::kUndo));
        EXPECT_FALSE(frame.Enabled(cmd::kRedo));
    }
}

// The rule's message for a typed grade without a digit.
constexpr const char* kNoDigit = "Type a number for the grade, or N for N/A.";

// Two copies of the small class, other.gdr and alg.gdr (active), with a value
// typed into Adams's T1 (9 of 10) in alg.gdr.
struct TypedClasses {
    TempDir dir;
    FakeUi ui;
    FakeFrame frame;
    TDecoClient client{frame, ui};
    TDecoChild* other = nullptr;
    TDecoChild* typed = nullptr;
    explicit TypedClasses(std::string_view text) {
        frame.client = &client;
        for (const char* name : {"other.gdr", "alg.gdr"}) {
            dir.Write(name, SerializeClassFile(testing::SmallClass()));
            client.OpenClass(dir.File(name));
            (other ? typed : other) = client.ActiveClass();
        }
        typed->Grades().PutCursor(1, 0);
        for (const char c : text) typed->Grades().CharTyped(c);
    }
};

// Every command and every way of leaving the cell or the window stores the
// value typed first, asking nothing; a value the rule refuses stays typed and
// stops what was asked with the rule's message (where a window was only left,
// it stays typed there without a box).
TEST(FinishTyping, EveryCommandAndWindowEventStoresTheTypedValueOrStopsWithTheReason) {
    using T = TypedClasses;
    const struct {
        std::function<void(T&)> act;
        const char* file = "alg.gdr";  // where the value goes
        bool box = true;               // a refusal is said in a box
    } events[] = {
        {[](T& t) { t.client.Command(cmd::kSave); }},
        {[](T& t) { t.ui.fileNames = {t.dir.File("copy.gdr")}; t.client.Command(cmd::kSaveAs); }, "copy.gdr"},
        {[](T& t) { t.client.Command(cmd::kCloseClass); }},
        {[](T& t) { t.client.Command(cmd::kExit); }},
        {[](T& t) { t.client.Command(cmd::kSortByColumn); }},
        {[](T& t) { t.frame.CloseChild(*t.typed); }},                 // its close box
        {[](T& t) { t.frame.CloseByUser(); }},                        // the frame's
        {[](T& t) { t.frame.ActivateChild(*t.other); }, "alg.gdr", false},  // another class window
        {[](T& t) { t.typed->Grades().FocusLost(); }, "alg.gdr", false},  // a chart, another program
        {[](T& t) { t.typed->Names().LeftClick({30, 3 * 16 + 5}); }, "alg.gdr", false},
    };
    for (const auto& e : events)
        for (const bool refused : {false, true}) {
            SCOPED_TRACE(::testing::Message() << &e - events << (refused ? " refused" : ""));
            T t(refused ? "." : "7");
            e.act(t);
            EXPECT_EQ(ParseClassFile(t.dir.Read(refused ? "alg.gdr" : e.file)).Row(1).scores[kTests][0].value,
                      refused ? 9.0f : 7.0f);
            EXPECT_EQ(t.ui.BoxTexts(), std::vector<std::string>(refused && e.box, kNoDigit));
            if (!refused) continue;
            EXPECT_NE(t.frame.HostOf(*t.typed), nullptr);  // still open
            EXPECT_FALSE(t.frame.closed);
            EXPECT_EQ(t.typed->Grades().EntryText(), ".");
            t.ui.fileNames.clear();
        }
}

// The status bar speaks of the active class's cursor, and of nothing once
// every class is closed.
TEST(StatusBar, FollowsTheActiveClassAndForgetsAClassThatClosed) {
    TypedClasses t("");
    t.other->Grades().PutCursor(2, kNameColumn);
    t.frame.ActivateChild(*t.other);
    EXPECT_EQ(t.frame.statusText, "Students: 3");
    t.frame.ActivateChild(*t.typed);
    EXPECT_EQ(t.frame.statusText, "T1: 3 grades  Mean 7.33  Median 8.00  Low 5.00  High 9.00");
    t.client.Command(cmd::kCloseClass);
    EXPECT_EQ(t.frame.statusText, "Students: 3");
    t.client.Command(cmd::kCloseClass);
    EXPECT_EQ(t.frame.statusText, "");
}

}  // namespace
}  // namespace quorle
