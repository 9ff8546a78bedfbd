// File > Term Grades: the dialog that chooses the periods and weights, and
// the window that shows, reads out, exports and closes the term's table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/TermWindow.h"
#include "record/ClassFile.h"
#include "record/UsualSettings.h"
#include "resources/TermDialogs.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::FakeDialogHost;
namespace res = resources;

// biology1..3: Ann and Bo, then Bo and Cy (Ann gone), each with one test.
class TermWindowTest : public ::testing::Test {
protected:
    TermWindowTest() {
        const float scores[3][3] = {{90, 60, 0}, {0, 80, 70}, {0, 95, 50}};
        const char* const names[3][2] = {{"Lee", "Ann"}, {"Diaz", "Bo"}, {"Fox", "Cy"}};
        for (int k = 0; k < 3; ++k) {
            ClassRecord record = NewClassRecord();
            record.grading = UsualGradingSystem();
            record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Test")});
            for (int s = 0; s < 3; ++s)
                if (scores[k][s] > 0)
                    AddStudent(record, names[s][0], names[s][1], std::to_string(7 + s)).scores[kTests][0].value = scores[k][s];
            record.fileName = Path(k);
            WriteClassFile(record);
        }
        std::ofstream(dir.File("broken.gdr")) << "not a class";
    }
    std::string Path(int k) const { return dir.File("biology" + std::to_string(k + 1) + ".gdr"); }
    std::vector<ShowLine> Expected(const std::vector<int>& order, const std::vector<double>& weights, bool rank) {
        std::vector<TermClass> classes;
        for (int k : order) classes.push_back({TermHeading(Path(k)), ReadClassFile(Path(k))});
        return BuildTermTable(classes, weights, rank);
    }
    // The dialog worked by `person`, with biology1 the active class when asked.
    void Choose(std::function<void(FakeDialogHost&)> person, bool active = false) {
        const ClassRecord record = ReadClassFile(Path(0));
        ui.dialogs.push_back(std::move(person));
        TermGradesCommand(ui, frame, active ? &record : nullptr, windows, [this] { ++keyboardBack; });
    }
    // The three periods, weighted 40,40,20.
    testing::FakeTopWindowHost& OpenAll() {
        for (int k = 0; k < 3; ++k) ui.fileNames.push_back(Path(k));
        Choose([](FakeDialogHost& d) {
            for (int k = 0; k < 3; ++k) d.Click(res::kIdTermAdd);
            d.Type(res::kIdTermWeights, "40,40,20");
            d.PressOk();
        });
        return *frame.TopHostOf(*windows.at(0));
    }

    testing::TempDir dir;
    testing::FakeUi ui;
    testing::FakeFrame frame;
    std::vector<std::unique_ptr<TTermWindow>> windows;
    int keyboardBack = 0;  // times a closing window gave the keyboard back
};

TEST_F(TermWindowTest, TheDialogChoosesClassesInOrderAndWeightsOrSaysWhy) {
    std::string broken;
    try { ReadClassFile(dir.File("broken.gdr")); } catch (const ClassFileError& error) { broken = error.BoxText(); }
    const auto ok = [](FakeDialogHost& d) { d.PressOk(); };
    struct Case {
        const char* what;
        bool active;
        std::vector<std::string> files;
        std::function<void(FakeDialogHost&)> person;
        std::vector<int> order;  // the window's classes; empty: no window
        std::vector<double> weights;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"add two", false, {Path(0), Path(1)}, [&](FakeDialogHost& d) { d.Click(res::kIdTermAdd), d.Click(res::kIdTermAdd), ok(d); },
         {0, 1}, {1, 1}, {}},
        {"active first, remove", true, {Path(1), Path(2)},
         [&](FakeDialogHost& d) { d.Click(res::kIdTermAdd), d.Click(res::kIdTermAdd), d.Select(res::kIdTermClasses, 1), d.Click(res::kIdTermRemove), ok(d); },
         {0, 2}, {1, 1}, {}},
        {"reorder", false, {Path(0), Path(1), Path(2)},
         [&](FakeDialogHost& d) {
             for (int i = 0; i < 3; ++i) d.Click(res::kIdTermAdd);
             d.Select(res::kIdTermClasses, 2), d.Click(res::kIdTermUp), d.Select(res::kIdTermClasses, 0), d.Click(res::kIdTermDown);
             d.Type(res::kIdTermWeights, " 1, 2 ,3"), ok(d);
         },
         {2, 0, 1}, {1, 2, 3}, {}},
        {"bad weights", false, {Path(0), Path(1)},
         [&](FakeDialogHost& d) {
             d.Click(res::kIdTermAdd), d.Click(res::kIdTermAdd);
             for (const char* typed : {"40,x", "40", "0,0", "40,60"}) d.Type(res::kIdTermWeights, typed), ok(d);
         },
         {0, 1}, {40, 60},
         {"The weight \"x\" is not a number of at least 0.",
          "Type one weight for each class in the list (2), separated by commas: 40,40,20.", "The weights add up to 0."}},
        {"cancel", false, {Path(0)}, [&](FakeDialogHost& d) { d.Click(res::kIdTermAdd), d.PressCancel(); }, {}, {}, {}},
        {"unreadable, twice, none", false, {dir.File("broken.gdr"), Path(0), Path(0)},
         [&](FakeDialogHost& d) { ok(d), d.Click(res::kIdTermAdd), d.Click(res::kIdTermAdd), d.Click(res::kIdTermAdd), ok(d); },
         {0}, {1}, {"Add the class file of at least one grading period.", broken, "biology1 is in the list already."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.boxes.clear();
        windows.clear();
        ui.fileNames.insert(ui.fileNames.end(), c.files.begin(), c.files.end());
        Choose(c.person, c.active);
        EXPECT_EQ(ui.BoxTexts(), c.boxes);
        ASSERT_EQ(windows.size(), c.order.empty() ? 0u : 1u);
        if (!c.order.empty()) {
            EXPECT_EQ(windows[0]->Lines(), Expected(c.order, c.weights, false));
        }
    }
}

TEST_F(TermWindowTest, TheWindowDrawsTheTermTableInEitherOrder) {
    testing::FakeTopWindowHost& host = OpenAll();
    EXPECT_EQ(host.caption, "Term Grades: biology1, biology2, biology3");
    for (const bool rank : {false, true}) {
        if (rank) host.ChooseCommand(res::cmd::kTermRankOrder);
        const std::vector<ShowLine> expected = Expected({0, 1, 2}, {40, 40, 20}, rank);
        EXPECT_EQ(windows[0]->Lines(), expected);
        const testing::RecordingCanvas canvas = host.Paint();
        for (std::size_t line = 0; line < expected.size(); ++line) {
            std::vector<std::string> drawn, cells;
            for (const auto& text : canvas.Line(static_cast<int>(line) * 16)) drawn.push_back(text.text);
            for (const std::string& cell : expected[line])
                if (!cell.empty()) cells.push_back(cell);
            EXPECT_EQ(drawn, cells) << "line " << line << (rank ? " ranked" : "");
        }
        // The order shown is greyed in the Display menu.
        EXPECT_FALSE(host.CommandEnabled(rank ? res::cmd::kTermRankOrder : res::cmd::kTermClassOrder));
    }
}

// A grade changed in a class window open on a period shows in the term at once;
// periods not open keep what was read.
TEST_F(TermWindowTest, TheTableFollowsTheClassesOpenInWindows) {
    testing::FakeTopWindowHost& host = OpenAll();
    ClassRecord open = ReadClassFile(Path(1));
    open.Row(1).scores[kTests][0].value = 20.0f;
    windows[0]->Follow([](const std::string&) -> const ClassRecord* { return nullptr; });
    EXPECT_EQ(windows[0]->Lines(), Expected({0, 1, 2}, {40, 40, 20}, false));
    const int painted = host.invalidations;
    windows[0]->Follow([&](const std::string& path) { return path == Path(1) ? &open : nullptr; });
    WriteClassFile(open);
    EXPECT_EQ(windows[0]->Lines(), Expected({0, 1, 2}, {40, 40, 20}, false));
    EXPECT_GT(host.invalidations, painted);
}

TEST_F(TermWindowTest, AScreenReaderReadsTheTableAndFollowsTheKeys) {
    testing::FakeTopWindowHost& host = OpenAll();
    ASSERT_NE(host.table, nullptr);
    const platform::AccessibleTable& table = *host.table;
    EXPECT_EQ(table.RowCount(), 4);  // Ann, Bo, Cy, Class Average
    EXPECT_EQ(table.ColumnCount(), 8);
    const struct {
        int row, column;
        const char* header;
        const char* rowHeader;
        const char* text;
    } cells[] = {{0, 0, "Last Name", "Lee Ann", "Lee"}, {0, 4, "biology2", "Lee Ann", "N/A"},
                 {1, 6, "Term Aver", "Diaz Bo", "75.00"}, {3, 6, "Term Aver", "Class Average", "76.11"}};
    for (const auto& c : cells) {
        EXPECT_EQ(table.ColumnHeader(c.column), c.header);
        EXPECT_EQ(table.RowHeader(c.row), c.rowHeader);
        EXPECT_EQ(table.CellText(c.row, c.column), c.text) << c.row << "," << c.column;
    }
    const struct {
        platform::Key key;
        platform::CellPosition at;
    } keys[] = {{platform::Key::Down, {1, 0}}, {platform::Key::End, {1, 7}}, {platform::Key::Right, {1, 7}},
                {platform::Key::CtrlEnd, {3, 7}}, {platform::Key::Up, {2, 7}}, {platform::Key::Home, {2, 0}},
                {platform::Key::PageUp, {0, 0}}, {platform::Key::Tab, {0, 1}}, {platform::Key::PageDown, {3, 1}}};
    for (const auto& k : keys) {
        const int moves = host.focusMoves;
        EXPECT_TRUE(host.PressKey(k.key));
        EXPECT_EQ(table.FocusedCell(), std::optional(k.at)) << static_cast<int>(k.key);
        EXPECT_EQ(host.focusMoves, moves + 1);
    }
}

TEST_F(TermWindowTest, ExportWritesWhatTheTermCommandWritesAndCloseLetsTheWindowGo) {
    testing::FakeTopWindowHost& host = OpenAll();
    for (const bool rank : {false, true}) {
        if (rank) host.ChooseCommand(res::cmd::kTermRankOrder);
        const std::string ours = rank ? "ranked.csv" : "term.csv";
        std::vector<std::string> args{"--weights", "40,40,20", Path(0), Path(1), Path(2), "-o", dir.File("command.csv")};
        if (rank) args.insert(args.begin(), "--rank");
        std::ostringstream out, err;
        ASSERT_EQ(RunTermCommand(args, out, err), 0) << err.str();
        ui.fileNames.push_back(dir.File(ours));
        host.ChooseCommand(res::cmd::kTermExport);
        const auto text = [&](const std::string& name) { const auto b = dir.Read(name); return std::string(b.begin(), b.end()); };
        EXPECT_EQ(text(ours), text("command.csv")) << rank;
    }
    host.PressAccelerator("Ctrl+P");  // the print dialog, cancelled
    EXPECT_EQ(ui.printDialogCount, 1);
    EXPECT_EQ(keyboardBack, 0);
    host.PressAccelerator("Escape");
    EXPECT_TRUE(windows.empty());
    EXPECT_EQ(keyboardBack, 1);
    EXPECT_TRUE(host.released);
}

}  // namespace
}  // namespace quorle
