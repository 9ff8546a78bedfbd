#include "grids/AssignGridWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "reports/ReportFixtures.h"
#include "resources/GridDialogs.h"
#include "resources/Menus.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

namespace cmd = resources::cmd;
namespace r = resources;

constexpr const char* kChanged = "Save File Changes ?";

TColumnList TwoColumns() { return {TColumn{FixedText<80>("Essay"), 5}, TColumn{FixedText<80>("Quiz"), 4}}; }

// The column dialog: insert a column and type its heading, then OK.
DialogScript AddColumn(std::string heading) {
    return [heading](FakeDialogHost& host) {
        host.Click(r::kIdInsertColumn);
        host.Type(r::kIdColumnTitle, heading);
        host.PressOk();
    };
}

class GridWindowTest : public ::testing::Test {
protected:
    GridWindowTest() : record(PointsClass()), window(ui, record, 768), host(window, TAssignGridWindow::Attributes()) {
        AddStudents(record, 3);
        window.SetFocusClass([this] { ++classFocus; });
    }
    // A grid made with New and one column, untitled and changed, on screen.
    void NewWithColumn(const std::string& heading) {
        window.Columns().clear();
        ui.dialogs.push_back(AddColumn(heading));
        window.StartNew();
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const auto& b : ui.boxes) out.push_back(b.caption);
        return out;
    }

    TempDir dir;
    FakeUi ui;
    ClassRecord record;
    TAssignGridWindow window;
    FakeTopWindowHost host;
    int classFocus = 0;
};

TEST_F(GridWindowTest, SaveOfAnUntitledGridAsksForANameAndWritesTheFile) {
    NewWithColumn("Signed");
    ui.fileNames.push_back(dir.File("lab"));
    window.Command(cmd::kGridWindowSave);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_TRUE(ui.fileDialogs[0].save);
    EXPECT_EQ(ui.fileDialogs[0].options.filter, "Grid Files (*.col)|*.col;*.COL|");
    EXPECT_EQ(ui.fileDialogs[0].options.defaultExtension, "col");
    EXPECT_EQ(dir.Read("lab.col"), SerializeGridFile(window.Columns()));
    EXPECT_EQ(host.caption, dir.File("lab.col"));
    EXPECT_FALSE(window.Modified());
    EXPECT_FALSE(window.Untitled());
    EXPECT_FALSE(host.CommandEnabled(cmd::kGridWindowSave));

    // A column edit marks it changed again; Save now writes without asking.
    ui.dialogs.push_back(AddColumn("Back"));
    window.Command(cmd::kGridColumns);
    EXPECT_TRUE(host.CommandEnabled(cmd::kGridWindowSave));
    window.Command(cmd::kGridWindowSave);
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ParseGridFile(dir.Read("lab.col"))->size(), 2u);
}

TEST_F(GridWindowTest, SaveAsAsksBeforeOverwritingAndKeepsAnUppercaseExtension) {
    dir.Write("old.col", SerializeGridFile({}));
    dir.Write("UP.COL", SerializeGridFile({}));
    const struct {
        const char* what;
        std::vector<std::string> names;
        std::vector<Answer> answers;
        std::string written;  // "" for nothing
    } cases[] = {
        {"No asks again", {"old.col", "new"}, {Answer::No}, "new.col"},
        {"Yes overwrites", {"old.col"}, {Answer::Yes}, "old.col"},
        {"Cancel ends", {"old.col"}, {Answer::Cancel}, ""},
        {"any case of .col is kept", {"UP.COL"}, {Answer::Yes}, "UP.COL"},
    };
    for (const auto& c : cases) {
        dir.Write("old.col", SerializeGridFile({}));
        std::filesystem::remove(dir.File("new.col"));
        ui = FakeUi();
        NewWithColumn("Signed");
        for (const auto& n : c.names) ui.fileNames.push_back(dir.File(n));
        for (const auto a : c.answers) ui.answers.push_back(a);
        window.Command(cmd::kGridWindowSaveAs);
        EXPECT_EQ(ui.fileDialogs.size(), c.names.size()) << c.what;
        for (const auto& b : ui.boxes) {
            EXPECT_EQ(b.caption, "File exists");
            EXPECT_EQ(b.text, "File already exists.  Overwrite ?");
        }
        if (c.written.empty()) {
            EXPECT_TRUE(window.Modified()) << c.what;
            EXPECT_EQ(dir.Read("old.col"), SerializeGridFile({})) << c.what;
        } else {
            EXPECT_EQ(dir.Read(c.written), SerializeGridFile(window.Columns())) << c.what;
            EXPECT_EQ(window.FileName(), dir.File(c.written)) << c.what;
            EXPECT_FALSE(window.Modified()) << c.what;
        }
    }
}

TEST_F(GridWindowTest, AFileThatCannotBeWrittenOrReadChangesNothing) {
    NewWithColumn("Signed");
    ui.fileNames.push_back(dir.File("missing/folder/x.col"));
    window.Command(cmd::kGridWindowSaveAs);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"File cannot be opened!\nNo such file or folder: " +
                                                      dir.File("missing/folder/x.col")});
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(host.caption, "Untitled Assignment Grid");

    // Opening a file that is not a grid: the grid in memory stays as it is.
    dir.Write("bad.col", {0xff, 0xff, 0xff, 0xff});
    ui = FakeUi();
    ui.answers.push_back(Answer::No);
    ui.fileNames.push_back(dir.File("bad.col"));
    window.Command(cmd::kGridWindowOpen);
    EXPECT_EQ(Captions(), (std::vector<std::string>{kChanged, "Warning"}));
    EXPECT_EQ(ui.boxes[1].text, "File cannot be opened!\nNot an assignment grid: " + dir.File("bad.col"));
    ASSERT_EQ(window.Columns().size(), 1u);
    EXPECT_TRUE(window.Modified());
}

TEST_F(GridWindowTest, AChangedGridIsOfferedForSavingBeforeItMakesWay) {
    dir.Write("two.col", SerializeGridFile(TwoColumns()));
    const struct {
        const char* what;
        int command;
        Answer answer;
        bool replaced;  // the grid made way for another
    } cases[] = {
        {"Open, Cancel", cmd::kGridWindowOpen, Answer::Cancel, false},
        {"Open, No", cmd::kGridWindowOpen, Answer::No, true},
        {"New, Cancel", cmd::kGridWindowNew, Answer::Cancel, false},
        {"New, No", cmd::kGridWindowNew, Answer::No, true},
        {"Close, Cancel", cmd::kGridClose, Answer::Cancel, false},
        {"Close, No", cmd::kGridClose, Answer::No, true},
    };
    for (const auto& c : cases) {
        ui = FakeUi();
        NewWithColumn("Signed");
        ui.answers.push_back(c.answer);
        ui.fileNames.push_back(dir.File("two.col"));
        ui.dialogs.push_back(AddColumn("Fresh"));
        window.Command(c.command);
        ASSERT_FALSE(ui.boxes.empty()) << c.what;
        EXPECT_EQ(ui.boxes[0].caption, kChanged) << c.what;
        EXPECT_EQ(ui.boxes[0].text, "Untitled Assignment Grid has changed.  Save changes ?") << c.what;
        EXPECT_EQ(ui.boxes[0].buttons, Buttons::YesNoCancel);
        const bool stillSigned = window.Columns().size() == 1 && window.Columns()[0].heading.Str() == "Signed";
        if (c.command == cmd::kGridClose) EXPECT_EQ(host.IsVisible(), !c.replaced) << c.what;
        else EXPECT_EQ(stillSigned, !c.replaced) << c.what;
    }
}

TEST_F(GridWindowTest, YesSavesBeforeOpeningAndTheOpenedGridIsClean) {
    dir.Write("two.col", SerializeGridFile(TwoColumns()));
    NewWithColumn("Signed");
    ui.answers.push_back(Answer::Yes);
    ui.fileNames.push_back(dir.File("signed.col"));  // Save As of the untitled grid
    ui.fileNames.push_back(dir.File("two.col"));     // then the file to open
    window.Command(cmd::kGridWindowOpen);
    EXPECT_EQ(ParseGridFile(dir.Read("signed.col"))->size(), 1u);
    EXPECT_EQ(window.Columns(), TwoColumns());
    EXPECT_EQ(host.caption, dir.File("two.col"));
    EXPECT_FALSE(window.Modified());
    EXPECT_FALSE(host.CommandEnabled(cmd::kGridWindowSave));
}

TEST_F(GridWindowTest, DeleteGridAsksThenDeletesTheFileAndHides) {
    dir.Write("two.col", SerializeGridFile(TwoColumns()));
    ui.fileNames.push_back(dir.File("two.col"));
    ASSERT_TRUE(window.StartOpen());
    ui.answers = {Answer::No};
    window.Command(cmd::kGridDeleteGrid);
    EXPECT_TRUE(dir.Exists("two.col"));
    EXPECT_TRUE(host.IsVisible());
    ui.answers = {Answer::Yes};
    window.Command(cmd::kGridDeleteGrid);
    EXPECT_EQ(ui.boxes.back().caption, "Confirmation");
    EXPECT_EQ(ui.boxes.back().text, "Are you sure you want to delete this assignment grid?");
    EXPECT_FALSE(dir.Exists("two.col"));
    EXPECT_FALSE(host.IsVisible());
    EXPECT_EQ(classFocus, 1);
}

TEST(GridFileCommands, DeleteFromTheMainMenuAsksWithTheFileName) {
    const struct {
        Answer answer;
        bool folder;          // a folder with a file in it stands in the grid's place
        std::string refusal;  // the second box, "" for none; <dir> for the folder's path
    } cases[] = {
        {Answer::No, false, ""},
        {Answer::Yes, false, ""},
        {Answer::Yes, true, "File cannot be deleted!\nDirectory not empty: <dir>/Lab.COL"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.folder) {
            std::filesystem::create_directory(dir.File("Lab.COL"));
            dir.Write("Lab.COL/inside", {1});
        } else {
            dir.Write("Lab.COL", SerializeGridFile({}));
        }
        FakeUi ui;
        ui.fileNames.push_back(dir.File("Lab.COL"));
        ui.answers.push_back(c.answer);
        DeleteGridFile(ui);
        EXPECT_EQ(ui.fileDialogs.at(0).options.title, "Delete Grid File");
        EXPECT_TRUE(ui.fileDialogs[0].options.fileMustExist);
        ASSERT_EQ(ui.boxes.size(), c.refusal.empty() ? 1u : 2u);
        EXPECT_EQ(ui.boxes[0].caption, "Delete File ?");
        EXPECT_EQ(ui.boxes[0].text, "Delete Lab.COL ?");
        EXPECT_EQ(dir.Exists("Lab.COL"), c.answer == Answer::No || c.folder);
        if (!c.refusal.empty()) {
            std::string refusal = c.refusal;
            refusal.replace(refusal.find("<dir>"), 5, dir.Path());
            EXPECT_EQ(ui.boxes[1].caption, "Warning");
            EXPECT_EQ(ui.boxes[1].text, refusal);
        }
    }
}

TEST_F(GridWindowTest, AGridOpenedForAnotherClassShowsThatClassesStudents) {
    dir.Write("two.col", SerializeGridFile(TwoColumns()));
    ClassRecord other = PointsClass();
    other.info.course = "Chemistry";
    AddStudent(other, "Zeller", "Zoe", "9");
    TAssignGridWindow otherWindow(ui, other, 768);
    FakeTopWindowHost otherHost(otherWindow, TAssignGridWindow::Attributes());
    ui.fileNames.push_back(dir.File("two.col"));
    ASSERT_TRUE(otherWindow.StartOpen());
    const RecordingCanvas canvas = otherHost.Paint();
    EXPECT_NE(canvas.Find("Chemistry"), nullptr);
    EXPECT_NE(canvas.Find("Zeller        Z."), nullptr);
    EXPECT_NE(canvas.Find("Essay"), nullptr);
    EXPECT_EQ(canvas.Find("Last1         F."), nullptr);
}

TEST_F(GridWindowTest, PaintDrawsEveryGroupAndScrollsOverAllOfIt) {
    AddStudents(record, 38);  // 41 students: groups of 20 and 21
    window.Columns() = TwoColumns();
    window.ShowWindow();
    const RecordingCanvas canvas = host.Paint();
    // Display 768 high: the font is 1152 / 60 = 19 high, a cell 9 x 19.
    constexpr int w = 9, h = 19;
    std::vector<int> courseLines;
    for (const auto& t : canvas.texts)
        if (t.text == "Biology") courseLines.push_back(t.y);
    // The second group starts 3 lines below the first one's bottom rule, which
    // lies under 20 row pairs (9 + 40 lines), and its heading 3 lines further.
    EXPECT_EQ(courseLines, (std::vector<int>{3 * h, (49 + 3 + 3) * h}));
    int right = 0, bottom = 0;
    for (const auto& l : canvas.lines) right = std::max({right, l.x1, l.x2}), bottom = std::max({bottom, l.y1, l.y2});
    const auto& s = window.GetScroller();
    EXPECT_EQ(s.xUnit, w);
    EXPECT_EQ(s.yUnit, h);
    EXPECT_GE(s.xRange * s.xUnit, right);
    EXPECT_GE(s.yRange * s.yUnit, bottom);

    // Keys move over the drawing: End to the right end, Home back; pages
    // down (Down goes to the first student's line, in view already).
    window.KeyDown(platform::Key::Down);
    window.KeyDown(platform::Key::PageDown);
    EXPECT_EQ(s.yPos, 600 / h);
    window.KeyDown(platform::Key::End);
    EXPECT_EQ(s.xPos, s.xRange);
    EXPECT_EQ(s.yPos, 600 / h);
    window.KeyDown(platform::Key::Home);
    EXPECT_EQ(s.xPos, 0);
    window.KeyDown(platform::Key::PageUp);
    window.KeyDown(platform::Key::Up);
    EXPECT_EQ(s.yPos, 0);
}

TEST_F(GridWindowTest, EachLineStandsWhereItIsDrawnUpAndDownWalkThemEscapeAndCtrlWClose) {
    AddStudents(record, 22);  // 25 students: the last five in the second group
    window.Columns() = TwoColumns();
    window.ShowWindow();
    const RecordingCanvas canvas = host.Paint();
    const platform::AccessibleText& read = *host.text;
    ASSERT_EQ(read.Lines().size(), 26u);
    // The headings' line, then each student's: the text drawn there starts in it.
    for (int k = 0; k < record.RowCount(); ++k) {
        const std::string start = k == 0 ? "Essay" : std::string(record.Row(k).lastName.View()) + " ";
        const auto r = read.LineRect(k);
        EXPECT_TRUE(r && std::any_of(canvas.texts.begin(), canvas.texts.end(), [&](const DrawnText& t) {
                        return t.text.rfind(start, 0) == 0 && t.y == r->top && t.x >= r->left && t.x < r->right;
                    })) << k;
    }
    for (int k = 1; k <= 25; ++k) window.KeyDown(platform::Key::Down);
    EXPECT_TRUE(read.FocusedLine() == 25 && host.focusMoves == 25);
    EXPECT_TRUE(read.LineRect(25)->top >= 0 && read.LineRect(25)->bottom <= 600);
    for (const char* keys : {"Escape", "Ctrl+W"}) {
        window.ShowWindow();
        host.PressAccelerator(keys);
        EXPECT_FALSE(window.IsVisible()) << keys;
    }
}

}  // namespace
}  // namespace quorle::testing
