#include "resources/Menus.h"
#include "resources/SeatingMenu.h"

#include <gtest/gtest.h>

#include <functional>
#include <cctype>
#include <iterator>
#include <map>
#include <set>

namespace quorle::resources {
namespace {

using Kind = MenuItem::Kind;

struct Row {
    const char* menu;
    int id;
    const char* label;
    const char* hint;
};

const Row kTable[] = {
    {"&File", 24366, "&New", "Creates new class"},
    {"&File", 24332, "&Open...F3", "Opens an existing class"},
    {"&File", 24333, "&Save", "Saves a class to disk"},
    {"&File", 24334, "Save &as...", "Saves an existing file under another name."},
    {"&File", 3010, "Earlier &Versions...", "Opens or restores a version of the class kept at an earlier save"},
    {"&Print", 110, "&Grades", "Prints a selected set of grades"},
    {"&Print", 112, "Progress &Reports", "Prints Progress Reports for selected students"},
    {"&Print", 113, "&Warning Notices", "Prints Warning Notices for students with low grades"},
    {"&Print", 123, "&Makeup Work", "Prints all makeup work for each student"},
    {"&Print", 115, "Random &List", "Prints a random list of student names"},
    {"&Print", 116, "&Name and ID", "Prints all names and ID values"},
    {"&Print", 118, "Grade &Sheets", "Prints grade sheets"},
    {"&Print", 117, "&Attendance", "Prints attendance sheets"},
    {"&File", 3025, "Print Previe&w...", "Shows the grades report page by page as it will print"},
    {"&File", 24545, "&Term Grades...", "Combines the grading periods of a term into term grades"},
    {"&File", 402, "&Export...", "Saves the class's grades as a spreadsheet file (CSV)"},
    {"&File", 401, "&Delele File", "Deletes a class"},
    {"&File", 24310, "E&xit...Alt-x", "Quits the application"},
    {"&Edit", 3001, "&Undo", "Takes back the last change of the class"},
    {"&Edit", 3002, "&Redo", "Makes the change taken back again"},
    {"&Edit", 24542, "C&opy", "Copies the cell under the cursor"},
    {"&Edit", 24543, "Copy &Table", "Copies the whole table for a spreadsheet"},
    {"&Edit", 24544, "Past&e", "Pastes a column of grades from the cursor down"},
    {"&Edit", 1, "Ne&w Grade...F4", "Adds a new grade"},
    {"&Edit", 24540, "New Grade Co&lumn...", "Adds a grade column with every grade omitted, to be typed in the table"},
    {"&Edit", 24541, "Import Gra&des...", "Adds a grade column from a file of scores (CSV)"},
    {"&Edit", 101, "&Add Students", "Adds new students to the class"},
    {"&Edit", 103, "I&mport Students...", "Adds the students of a roster file (CSV) to the class"},
    {"&Edit", 11842, "&Student Info/Grades...F5", "Changes existing student information and grades."},
    {"&Edit", 11843, "&Change/Delete Grade Title", "Changes a grade title or deletes a grade for all students."},
    {"&Edit", 102, "&Grading System", "Allows the grading system to be changed"},
    {"&Edit", 107, "Class &Information", "Edits class title, instructor, and time."},
    {"&Edit", 111, "&Progress Report", "Edits Progress Report template"},
    {"&Edit", 114, "&Warning Notice", "Edits Warning Notice template"},
    {"&Edit", 24500, "&Find Student...", "Finds a student by part of the last or first name"},
    {"&Options", 108, "&Alphabetize", "Alphabetizes by last then first name"},
    {"&Options", 109, "&New Grading Period", "Creates another class file with the same students"},
    {"&Options", 119, "&Seating Chart", "Creates, opens, and prints seating charts"},
    {"&Display", 301, "&Options", "Changes items displayed on the screen"},
    {"&Display", 302, "&Change Extra1 or 2 Name", "Change the heading of Extra1 and/or Extra2"},
    {"&Display", 24501, "&Sort by This Column",
     "Sorts the rows on screen by the cell cursor's column; again reverses the order"},
    {"&Display", 24502, "&Roster Order", "Shows the rows in the roster order again"},
    {"&Display", 24510, "Class &Picture", "Shows the letter grades and the averages of the class as a picture"},
    {"&Display", 24530, "&High Contrast Colours", "Draws the names and grades in darker colours that are easier to read"},
    {"&Assignment Grid", 120, "&New", "Creates a new Assignment Grid"},
    {"&Assignment Grid", 125, "&Open", "Opens and Prints an existing Assignment Grid"},
    {"&Assignment Grid", 126, "&Delete", "Deletes an existing Assignment Grid"},
    {"&Window", 24361, "&Cascade", "Cascades all visible classes"},
    {"&Window", 24363, "&Tile", "Tiles all visible classes horizontally"},
    {"&Window", 24365, "Close &all", "Closes all open classes"},
    {"&Help", 901, "&Help", "Provides help"},
    {"&Help", 904, "Help &Index", "Displays the Help Index"},
    {"&Help", 902, "&Using Help", "Gives instructions on how to use Windows Help"},
};

struct Found {
    std::string menu;
    int id;
    std::string label;
};

// Every command in menu order, with the popup it stands in.
void Flatten(const std::vector<MenuItem>& items, const std::string& popup, std::vector<Found>& out,
             std::vector<std::string>& labels) {
    for (const auto& item : items) {
        if (item.kind == Kind::Popup) {
            labels.push_back(item.label);
            Flatten(item.items, item.label, out, labels);
        } else if (item.kind == Kind::Command) {
            out.push_back(Found{popup, item.id, item.label});
        }
    }
}

TEST(MenusTest, MainMenuHoldsEveryCommandInOrderWithLabelAndHint) {
    const auto& menu = MenuResource(kMainMenu);
    std::vector<Found> rows;
    std::vector<std::string> popups;
    Flatten(menu, "", rows, popups);
    ASSERT_EQ(rows.size(), std::size(kTable));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(kTable[i].label);
        EXPECT_EQ(rows[i].id, kTable[i].id);
        EXPECT_EQ(rows[i].label, kTable[i].label);
        EXPECT_EQ(rows[i].menu, kTable[i].menu);
        EXPECT_EQ(HintString(kTable[i].id), kTable[i].hint);
        EXPECT_EQ(CommandLabel(kTable[i].id), kTable[i].label);
    }
    EXPECT_EQ(popups, (std::vector<std::string>{"&File", "&Print", "&Edit", "&Options", "&Display",
                                                "&Assignment Grid", "&Window", "&Help"}));
    EXPECT_TRUE(MenuResource(1).empty());
    EXPECT_EQ(HintString(424242), "");
}

TEST(MenusTest, SeparatorsStandBeforeExitAndCloseAll) {
    const auto& menu = MenuResource(kMainMenu);
    int separators = 0;
    std::function<void(const std::vector<MenuItem>&)> walk = [&](const std::vector<MenuItem>& items) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].kind == Kind::Popup) walk(items[i].items);
            if (items[i].kind != Kind::Separator) continue;
            ++separators;
            ASSERT_LT(i + 1, items.size());
            const int next = items[i + 1].id;
            // Undo and Redo stand apart above the Edit menu's commands.
            EXPECT_TRUE(next == cmd::kExit || next == cmd::kCloseAll || next == cmd::kCopy ||
                        next == cmd::kNewGrade)
                << next;
        }
    };
    walk(menu);
    EXPECT_EQ(separators, 4);
}

TEST(MenusTest, AcceleratorsOpenNewGradeStudentInfoAndExit) {
    const auto& table = AcceleratorTable(kMainAccelerators);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].keys, "F3");
    EXPECT_EQ(table[0].command, 24332);
    EXPECT_EQ(table[1].keys, "F4");
    EXPECT_EQ(table[1].command, 1);
    EXPECT_EQ(table[2].keys, "F5");
    EXPECT_EQ(table[2].command, 11842);
    EXPECT_EQ(table[3].keys, "Alt+X");
    EXPECT_EQ(table[3].command, 24310);
}

TEST(MenusTest, ControlBarRunsLeftToRight) {
    const auto& bar = ControlBar();
    const std::vector<std::pair<int, int>> expected{
        {600, 24366}, {601, 24332}, {603, 24334}, {0, 8},     {611, 1},     {612, 110}, {613, 101}, {0, 8},
        {614, 3001},  {615, 3002},  {0, 8},       {604, 24310}, {0, 8},       {605, 24361}, {606, 24363}, {609, 24365}, {0, 6},     {610, 901}};
    ASSERT_EQ(bar.size(), expected.size());
    for (std::size_t i = 0; i < bar.size(); ++i) {
        EXPECT_EQ(bar[i].bitmap, expected[i].first) << i;
        if (bar[i].bitmap == 0)
            EXPECT_EQ(bar[i].separatorWidth, expected[i].second) << i;
        else
            EXPECT_EQ(bar[i].command, expected[i].second) << i;
    }
}

// What the mouse resting on a button shows: the command's name, its key apart.
TEST(MenusTest, ControlBarTipsNameTheCommandWithTheKeyApart) {
    const std::vector<std::pair<int, std::string>> expected{
        {cmd::kNew, "New"},
        {cmd::kOpen, "Open (F3)"},
        {cmd::kSaveAs, "Save as"},
        {cmd::kNewGrade, "New Grade (F4)"},
        {cmd::kPrintGrades, "Print Grades"},
        {cmd::kAddStudents, "Add Students"},
        {cmd::kUndo, "Undo (Ctrl+Z)"},
        {cmd::kRedo, "Redo (Ctrl+Y)"},
        {cmd::kExit, "Exit (Alt+X)"},
        {cmd::kCascade, "Cascade"},
        {cmd::kTile, "Tile"},
        {cmd::kCloseAll, "Close all"},
        {cmd::kHelp, "Help"},
    };
    const platform::FrameLayout layout = MainFrameLayout();
    std::vector<std::pair<int, std::string>> tips;
    for (const auto& item : layout.controlBar) {
        if (item.command == 0) continue;
        tips.emplace_back(item.command, item.tip);
        // The status bar says what the menu item says; every button has a whole picture.
        EXPECT_EQ(item.hint, HintString(item.command)) << item.command;
        ASSERT_EQ(item.picture.Height(), 20) << item.command;
        for (const auto& row : item.picture.rows) EXPECT_EQ(row.size(), 20u) << item.command;
    }
    EXPECT_EQ(tips, expected);
    // The frame gets menu 100 with every hint, and table 100.
    EXPECT_EQ(platform::FindCommand(layout.menu, cmd::kSave)->hint, "Saves a class to disk");
    // The desktop's keys come after table 100's, which keeps its four.
    std::vector<std::string> keys;
    for (const auto& key : layout.accelerators) keys.push_back(key.keys + " " + std::to_string(key.command));
    EXPECT_EQ(keys, (std::vector<std::string>{"F3 24332", "F4 1", "F5 11842", "Alt+X 24310", "Ctrl+S 24333",
                                              "Ctrl+O 24332", "Ctrl+W 24400", "Ctrl+F4 24400", "Ctrl+P 110",
                                              "Ctrl+Z 3001", "Ctrl+Y 3002", "Ctrl+Shift+Z 3002",
                                              "Ctrl+F 24500", "Ctrl+Shift+S 24501", "Ctrl+C 24542", "Ctrl+Shift+C 24543", "Ctrl+V 24544"}));

    // The rule itself, on labels the menus may come to hold.
    const struct {
        const char* label;
        const char* keys;
        const char* tip;
    } rules[] = {
        {"&Open...F3", "F3", "Open (F3)"},     {"E&xit...Alt-x", "Alt+X", "Exit (Alt+X)"},
        {"Save &as...", "", "Save as"},         {"&Print Chart", "Ctrl+P", "Print Chart (Ctrl+P)"},
        {"Fish && Chips", "", "Fish & Chips"},
    };
    for (const auto& rule : rules) EXPECT_EQ(platform::CommandTip(rule.label, rule.keys), rule.tip) << rule.label;
}

// The access key of a label: the letter after a single "&".
char AccessKey(const std::string& label) {
    for (std::size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&') continue;
        if (label[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(label[i + 1])));
    }
    return 0;
}

// Within each menu (the bar itself and every popup), a key chooses one item.
// The one pair that shares a key, New Grade and Warning Notice in Edit,
// keeps the labels the menu was given; each press of W moves between them.
TEST(MenusTest, NoTwoItemsOfAMenuShareAnAccessKey) {
    const std::set<std::string> sharedAsGiven{"Ne&w Grade...F4", "&Warning Notice"};
    const std::vector<std::pair<std::string, std::vector<MenuItem>>> menus{
        {"main", MenuResource(kMainMenu)}, {"grid", MenuResource(kGridMenu)}, {"chart", SeatingChartMenu()}};
    int checked = 0;
    std::function<void(const std::string&, const std::vector<MenuItem>&)> walk =
        [&](const std::string& where, const std::vector<MenuItem>& items) {
            std::map<char, std::string> taken;
            for (const auto& item : items) {
                if (item.kind == Kind::Separator) continue;
                const char key = AccessKey(item.label);
                EXPECT_NE(key, 0) << where << ": " << item.label << " has no access key";
                const auto [it, added] = taken.emplace(key, item.label);
                if (!added && !(sharedAsGiven.count(it->second) && sharedAsGiven.count(item.label)))
                    ADD_FAILURE() << where << ": " << it->second << " and " << item.label << " share " << key;
                ++checked;
                if (item.kind == Kind::Popup) walk(where + " > " + item.label, item.items);
            }
        };
    for (const auto& [name, menu] : menus) walk(name, menu);
    EXPECT_GT(checked, 50);
    EXPECT_EQ(AccessKey("Fish && &Chips"), 'C');
}

}  // namespace
}  // namespace quorle::resources
