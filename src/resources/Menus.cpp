#include "resources/Menus.h"

#include <map>

#include "resources/ClassDialogs.h"
#include "resources/ControlBarPictures.h"
#include "resources/EditDialogs.h"
#include "resources/GradingDialogs.h"
#include "resources/GridDialogs.h"
#include "resources/ProgressDialogs.h"
#include "resources/ReportDialogs.h"
#include "resources/RosterDialogs.h"
#include "resources/SeatingDialogs.h"
#include "resources/SheetDialogs.h"
#include "resources/VersionDialogs.h"

namespace quorle::resources {

namespace {

MenuItem Item(int id, const char* label) { return MenuItem::Command(id, label, HintString(id)); }
MenuItem Separator() { return MenuItem::Separator(); }
MenuItem Popup(const char* label, std::vector<MenuItem> items) { return MenuItem::Popup(label, std::move(items)); }

const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu{
        Popup("&File", {Item(cmd::kNew, "&New"), Item(cmd::kOpen, "&Open...F3"), Item(cmd::kSave, "&Save"),
                        Item(cmd::kSaveAs, "Save &as..."), Item(cmd::kEarlierVersions, "Earlier &Versions..."),
                        Popup("&Print", {Item(cmd::kPrintGrades, "&Grades"),
                                         Item(cmd::kPrintProgress, "Progress &Reports"),
                                         Item(cmd::kPrintWarnings, "&Warning Notices"),
                                         Item(cmd::kPrintMakeup, "&Makeup Work"),
                                         Item(cmd::kPrintRandomList, "Random &List"),
                                         Item(cmd::kPrintNameId, "&Name and ID"),
                                         Item(cmd::kPrintGradeSheets, "Grade &Sheets"),
                                         Item(cmd::kPrintAttendance, "&Attendance")}),
                        Item(cmd::kPrintPreview, "Print Previe&w..."), Item(cmd::kTermGrades, "&Term Grades..."),
                        Item(cmd::kExport, "&Export..."), Item(cmd::kDeleteFile, "&Delele File"), Separator(), Item(cmd::kExit, "E&xit...Alt-x")}),
        Popup("&Edit", {Item(cmd::kUndo, "&Undo"), Item(cmd::kRedo, "&Redo"), Separator(),
                        Item(cmd::kCopy, "C&opy"), Item(cmd::kCopyTable, "Copy &Table"),
                        Item(cmd::kPaste, "Past&e"), Separator(),
                        Item(cmd::kNewGrade, "Ne&w Grade...F4"), Item(cmd::kNewGradeColumn, "New Grade Co&lumn..."),
                        Item(cmd::kImportGrades, "Import Gra&des..."), Item(cmd::kAddStudents, "&Add Students"),
                        Item(cmd::kImportStudents, "I&mport Students..."),
                        Item(cmd::kStudentInfo, "&Student Info/Grades...F5"),
                        Item(cmd::kChangeGradeTitle, "&Change/Delete Grade Title"),
                        Item(cmd::kGradingSystem, "&Grading System"),
                        Item(cmd::kClassInformation, "Class &Information"),
                        Item(cmd::kEditProgress, "&Progress Report"), Item(cmd::kEditWarning, "&Warning Notice"),
                        Item(cmd::kFindStudent, "&Find Student...")}),
        Popup("&Options", {Item(cmd::kAlphabetize, "&Alphabetize"), Item(cmd::kNewGradingPeriod, "&New Grading Period"),
                           Item(cmd::kSeatingChart, "&Seating Chart")}),
        Popup("&Display", {Item(cmd::kDisplayOptions, "&Options"), Item(cmd::kExtraNames, "&Change Extra1 or 2 Name"),
                           Item(cmd::kSortByColumn, "&Sort by This Column"),
                           Item(cmd::kRosterOrder, "&Roster Order"),
                           Item(cmd::kClassPicture, "Class &Picture"),
                           Item(cmd::kHighContrast, "&High Contrast Colours")}),
        Popup("&Assignment Grid",
              {Item(cmd::kGridNew, "&New"), Item(cmd::kGridOpen, "&Open"), Item(cmd::kGridDelete, "&Delete")}),
        Popup("&Window", {Item(cmd::kCascade, "&Cascade"), Item(cmd::kTile, "&Tile"), Separator(),
                          Item(cmd::kCloseAll, "Close &all")}),
        Popup("&Help", {Item(cmd::kHelp, "&Help"), Item(cmd::kHelpIndex, "Help &Index"),
                        Item(cmd::kUsingHelp, "&Using Help")}),
    };
    return menu;
}

const std::vector<MenuItem>& GridMenu() {
    static const std::vector<MenuItem> menu{
        Popup("&Grid", {Item(cmd::kGridWindowNew, "&New"), Item(cmd::kGridWindowOpen, "&Open"),
                        Item(cmd::kGridWindowSave, "&Save"), Item(cmd::kGridWindowSaveAs, "Save &As"),
                        Item(cmd::kGridDeleteGrid, "&Delete Grid"), Item(cmd::kGridPrint, "&Print Grid"), Separator(),
                        Item(cmd::kGridClose, "&Close Grid")}),
        Popup("&Edit", {Item(cmd::kGridColumns, "&Columns")}),
    };
    return menu;
}

const std::map<int, std::string>& Hints() {
    static const std::map<int, std::string> hints{
        {cmd::kNew, "Creates new class"},
        {cmd::kOpen, "Opens an existing class"},
        {cmd::kSave, "Saves a class to disk"},
        {cmd::kSaveAs, "Saves an existing file under another name."},
        {cmd::kEarlierVersions, "Opens or restores a version of the class kept at an earlier save"},
        {cmd::kPrintGrades, "Prints a selected set of grades"},
        {cmd::kPrintPreview, "Shows the grades report page by page as it will print"},
        {cmd::kPrintProgress, "Prints Progress Reports for selected students"},
        {cmd::kPrintWarnings, "Prints Warning Notices for students with low grades"},
        {cmd::kPrintMakeup, "Prints all makeup work for each student"},
        {cmd::kPrintRandomList, "Prints a random list of student names"},
        {cmd::kPrintNameId, "Prints all names and ID values"},
        {cmd::kPrintGradeSheets, "Prints grade sheets"},
        {cmd::kPrintAttendance, "Prints attendance sheets"},
        {cmd::kDeleteFile, "Deletes a class"},
        {cmd::kExit, "Quits the application"},
        {cmd::kNewGrade, "Adds a new grade"},
        {cmd::kNewGradeColumn, "Adds a grade column with every grade omitted, to be typed in the table"},
        {cmd::kImportGrades, "Adds a grade column from a file of scores (CSV)"},
        {cmd::kCopy, "Copies the cell under the cursor"},
        {cmd::kCopyTable, "Copies the whole table for a spreadsheet"},
        {cmd::kPaste, "Pastes a column of grades from the cursor down"},
        {cmd::kTermGrades, "Combines the grading periods of a term into term grades"},
        {cmd::kUndo, "Takes back the last change of the class"},
        {cmd::kRedo, "Makes the change taken back again"},
        {cmd::kAddStudents, "Adds new students to the class"},
        {cmd::kImportStudents, "Adds the students of a roster file (CSV) to the class"},
        {cmd::kExport, "Saves the class's grades as a spreadsheet file (CSV)"},
        {cmd::kStudentInfo, "Changes existing student information and grades."},
        {cmd::kChangeGradeTitle, "Changes a grade title or deletes a grade for all students."},
        {cmd::kGradingSystem, "Allows the grading system to be changed"},
        {cmd::kClassInformation, "Edits class title, instructor, and time."},
        {cmd::kEditProgress, "Edits Progress Report template"},
        {cmd::kEditWarning, "Edits Warning Notice template"},
        {cmd::kAlphabetize, "Alphabetizes by last then first name"},
        {cmd::kNewGradingPeriod, "Creates another class file with the same students"},
        {cmd::kSeatingChart, "Creates, opens, and prints seating charts"},
        {cmd::kDisplayOptions, "Changes items displayed on the screen"},
        {cmd::kExtraNames, "Change the heading of Extra1 and/or Extra2"},
        {cmd::kFindStudent, "Finds a student by part of the last or first name"},
        {cmd::kSortByColumn, "Sorts the rows on screen by the cell cursor's column; again reverses the order"},
        {cmd::kRosterOrder, "Shows the rows in the roster order again"},
        {cmd::kHighContrast, "Draws the names and grades in darker colours that are easier to read"},
        {cmd::kClassPicture, "Shows the letter grades and the averages of the class as a picture"},
        {cmd::kGridNew, "Creates a new Assignment Grid"},
        {cmd::kGridOpen, "Opens and Prints an existing Assignment Grid"},
        {cmd::kGridDelete, "Deletes an existing Assignment Grid"},
        {cmd::kGridWindowNew, "Starts a new assignment grid."},
        {cmd::kGridWindowOpen, "Opens an existing assignment grid."},
        {cmd::kGridWindowSave, "Saves the presently displayed grid to disk."},
        {cmd::kGridWindowSaveAs, "Saves an existing grid under a new name."},
        {cmd::kGridDeleteGrid, "Deletes this Assignment grid."},
        {cmd::kGridPrint, "Prints this Assignment Grid"},
        {cmd::kGridClose, "Closes this grid."},
        {cmd::kGridColumns, "Changes titles,spaces, and number of columns in the grid."},
        {cmd::kCascade, "Cascades all visible classes"},
        {cmd::kTile, "Tiles all visible classes horizontally"},
        {cmd::kCloseAll, "Closes all open classes"},
        {cmd::kHelp, "Provides help"},
        {cmd::kHelpIndex, "Displays the Help Index"},
        {cmd::kUsingHelp, "Gives instructions on how to use Windows Help"},
    };
    return hints;
}

}  // namespace

const std::vector<MenuItem>& MenuResource(int id) {
    static const std::vector<MenuItem> none;
    if (id == kMainMenu) return MainMenu();
    if (id == kGridMenu) return GridMenu();
    return none;
}

platform::Menu PlatformMenu(int id) { return MenuResource(id); }

const std::vector<Accelerator>& AcceleratorTable(int id) {
    static const std::vector<Accelerator> table{
        {"F3", cmd::kOpen},
        {"F4", cmd::kNewGrade},
        {"F5", cmd::kStudentInfo},
        {"Alt+X", cmd::kExit},
    };
    static const std::vector<Accelerator> none;
    return id == kMainAccelerators ? table : none;
}

const std::vector<Accelerator>& DesktopAccelerators() {
    static const std::vector<Accelerator> keys{
        {"Ctrl+S", cmd::kSave},       {"Ctrl+O", cmd::kOpen},         {"Ctrl+W", cmd::kCloseClass},
        {"Ctrl+F4", cmd::kCloseClass}, {"Ctrl+P", cmd::kPrintGrades}, {"Ctrl+Z", cmd::kUndo},
        {"Ctrl+Y", cmd::kRedo},        {"Ctrl+Shift+Z", cmd::kRedo},  {"Ctrl+F", cmd::kFindStudent},
        {"Ctrl+Shift+S", cmd::kSortByColumn}, {"Ctrl+C", cmd::kCopy},        {"Ctrl+Shift+C", cmd::kCopyTable},
        {"Ctrl+V", cmd::kPaste},
    };
    return keys;
}

const std::vector<int>& ClassCommands() {
    static const std::vector<int> commands{
        cmd::kSave,           cmd::kSaveAs,           cmd::kEarlierVersions,   cmd::kPrintGrades,       cmd::kPrintPreview,
        cmd::kPrintProgress,  cmd::kPrintWarnings,  cmd::kPrintMakeup,      cmd::kPrintRandomList,   cmd::kPrintNameId,
        cmd::kPrintGradeSheets, cmd::kPrintAttendance, cmd::kExport,           cmd::kNewGrade,
        cmd::kAddStudents,    cmd::kImportStudents,   cmd::kStudentInfo,       cmd::kChangeGradeTitle,
        cmd::kGradingSystem,  cmd::kClassInformation, cmd::kAlphabetize,       cmd::kNewGradingPeriod,
        cmd::kSeatingChart,   cmd::kDisplayOptions,   cmd::kExtraNames,        cmd::kGridNew,
        cmd::kGridOpen,       cmd::kGridDelete,       cmd::kCascade,           cmd::kTile,
        cmd::kCloseAll,       cmd::kFindStudent,      cmd::kSortByColumn,      cmd::kRosterOrder,
        cmd::kClassPicture,   cmd::kNewGradeColumn,   cmd::kImportGrades,      cmd::kCopy,
        cmd::kCopyTable,      cmd::kPaste,
    };
    return commands;
}

std::string HintString(int id) {
    const auto& hints = Hints();
    const auto it = hints.find(id);
    return it == hints.end() ? std::string() : it->second;
}

const std::vector<ControlBarItem>& ControlBar() {
    static const std::vector<ControlBarItem> bar{
        {600, cmd::kNew, 0},          {601, cmd::kOpen, 0},         {603, cmd::kSaveAs, 0},
        {0, 0, 8},                    {611, cmd::kNewGrade, 0},     {612, cmd::kPrintGrades, 0},
        {613, cmd::kAddStudents, 0},  {0, 0, 8},                    {614, cmd::kUndo, 0},
        {615, cmd::kRedo, 0},         {0, 0, 8},                    {604, cmd::kExit, 0},
        {0, 0, 8},                    {605, cmd::kCascade, 0},      {606, cmd::kTile, 0},
        {609, cmd::kCloseAll, 0},     {0, 0, 6},                    {610, cmd::kHelp, 0},
    };
    return bar;
}

std::string CommandLabel(int id) {
    const MenuItem* item = platform::FindCommand(MainMenu(), id);
    return item ? item->label : std::string();
}

namespace {
// The label of the submenu (below the menu bar's own popups) holding a command, or "".
std::string SubmenuLabel(const std::vector<MenuItem>& items, int id, int depth) {
    for (const auto& item : items) {
        if (item.kind != MenuItem::Kind::Popup) continue;
        for (const auto& inner : item.items)
            if (inner.kind == MenuItem::Kind::Command && inner.id == id) return depth > 0 ? item.label : std::string();
        if (std::string found = SubmenuLabel(item.items, id, depth + 1); !found.empty()) return found;
    }
    return {};
}
}  // namespace

std::string ControlBarTip(int command) {
    std::string keys;
    // The table's key ("Open (F3)"); Undo and Redo, which have none there, name
    // the desktop's ("Undo (Ctrl+Z)"). The other buttons keep the tips they had.
    const bool desktopKey = command == cmd::kUndo || command == cmd::kRedo;
    for (const auto* table : {&AcceleratorTable(kMainAccelerators), &DesktopAccelerators()}) {
        for (const auto& accelerator : *table)
            if (accelerator.command == command && keys.empty()) keys = accelerator.keys;
        if (!desktopKey) break;
    }
    std::string label = CommandLabel(command);
    // "Grades" under File > Print is Print Grades.
    if (const std::string submenu = SubmenuLabel(MainMenu(), command, 0); !submenu.empty())
        label = submenu + " " + label;
    return platform::CommandTip(label, keys);
}

platform::FrameLayout MainFrameLayout() {
    platform::FrameLayout layout;
    layout.menu = MenuResource(kMainMenu);
    layout.accelerators = AcceleratorTable(kMainAccelerators);
    const auto& desktop = DesktopAccelerators();
    layout.accelerators.insert(layout.accelerators.end(), desktop.begin(), desktop.end());
    for (const auto& item : ControlBar()) {
        platform::ControlBarItem entry;
        if (item.bitmap == 0) {
            entry.separatorWidth = item.separatorWidth;
        } else {
            entry.command = item.command;
            entry.tip = ControlBarTip(item.command);
            entry.hint = HintString(item.command);
            entry.picture = ControlBarPicture(item.bitmap);
        }
        layout.controlBar.push_back(std::move(entry));
    }
    return layout;
}

const platform::HelpTopics& ContextHelpTopics() {
    static const platform::HelpTopics topics{
        kHelpTopicContents,
        kHelpTopicClassWindow,
        {
            {kClassInfoDialogId, kHelpTopicFiles},
            {kDisplayOptionsDialogId, kHelpTopicDisplay},
            {kExtraNamesDialogId, kHelpTopicDisplay},
            {kGradeTypeDialogId, kHelpTopicGrades},
            {kGradeValueDialogId, kHelpTopicGrades},
            {kTitleDialogId, kHelpTopicGrades},
            {kEditStudentDialogId, kHelpTopicEditStudent},
            {kRenameGradeDialogId, kHelpTopicClassWindow},
            {kSystemDialogId, kHelpTopicGrades},
            {kWeightsDialogId, kHelpTopicGrades},
            {kNoPlusDialogId, kHelpTopicGrades},
            {kPlusDialogId, kHelpTopicGrades},
            {kEditGridDialogId, kHelpTopicGrids},
            {kProgressDialogId, kHelpTopicPrinting},
            {kProgressPrintDialogId, kHelpTopicPrinting},
            {kGradeLevelDialogId, kHelpTopicPrinting},
            {kGradePrintDialogId, kHelpTopicPrinting},
            {kStudentDialogId, kHelpTopicClassWindow},
            {kSeatsInfoDialogId, kHelpTopicSeating},
            {kSeatNumberDialogId, kHelpTopicSeating},
            {kSeatAddDialogId, kHelpTopicSeating},
            {kChangeSeatsDialogId, kHelpTopicSeating},
            {kSheetsDialogId, kHelpTopicPrinting},
            {kAttendanceDialogId, kHelpTopicPrinting},
            {kDateInfoDialogId, kHelpTopicPrinting},
            {kEarlierVersionsDialogId, kHelpTopicVersions},
            {kFindStudentDialogId, kHelpTopicTable},
        },
    };
    return topics;
}

const std::vector<platform::HelpBook>& HelpBooks() {
    static const std::vector<platform::HelpBook> books{
        {kHelpFile,
         "contents.html",
         "keywords.html",
         {
             {"Contents", "contents.html"},
             {"Opening and saving classes", "files.html"},
             {"Earlier versions of a class", "versions.html"},
             {"The class window", "classwindow.html"},
             {"Display options", "display.html"},
             {"Grades and the grading system", "grades.html"},
             {"Printing", "printing.html"},
             {"Editing a student", "editstudent.html"},
             {"Undo and Redo", "undo.html"},
             {"Typing grades, finding and sorting", "table.html"},
             {"Grades from a CSV file", "importgrades.html"},
             {"Term grades from grading periods", "termgrades.html"},
             {"Seating charts", "seating.html"},
             {"Assignment grids", "grids.html"},
             {"Using Quorle with a screen reader and by keyboard alone", "access.html"},
             {"Index of keywords", "keywords.html"},
             {"Using Help", "usinghelp.html"},
         }},
        {kUsingHelpFile, "usinghelp.html", "", {}},
    };
    return books;
}

}  // namespace quorle::resources
