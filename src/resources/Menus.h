#pragma once
// The main menu (resource 100), its accelerators, the status hints of the
// commands and the control bar of the frame.
#include <string>
#include <vector>

#include "platform/Menu.h"

namespace quorle::resources {

inline constexpr int kMainMenu = 100;
inline constexpr int kMainAccelerators = 100;
inline constexpr int kGridMenu = 2;
inline constexpr int kSplashBitmap = 1;

// Command ids of the main menu.
namespace cmd {
inline constexpr int kNew = 24366;
inline constexpr int kOpen = 24332;
inline constexpr int kSave = 24333;
inline constexpr int kSaveAs = 24334;
inline constexpr int kEarlierVersions = 3010;
inline constexpr int kPrintGrades = 110;
inline constexpr int kPrintPreview = 3025;
inline constexpr int kPrintProgress = 112;
inline constexpr int kPrintWarnings = 113;
inline constexpr int kPrintMakeup = 123;
inline constexpr int kPrintRandomList = 115;
inline constexpr int kPrintNameId = 116;
inline constexpr int kPrintGradeSheets = 118;
inline constexpr int kPrintAttendance = 117;
inline constexpr int kDeleteFile = 401;
inline constexpr int kExport = 402;
inline constexpr int kExit = 24310;
inline constexpr int kNewGrade = 1;
inline constexpr int kAddStudents = 101;
inline constexpr int kImportStudents = 103;
inline constexpr int kStudentInfo = 11842;
inline constexpr int kChangeGradeTitle = 11843;
inline constexpr int kGradingSystem = 102;
inline constexpr int kClassInformation = 107;
inline constexpr int kEditProgress = 111;
inline constexpr int kEditWarning = 114;
inline constexpr int kAlphabetize = 108;
inline constexpr int kNewGradingPeriod = 109;
inline constexpr int kSeatingChart = 119;
inline constexpr int kDisplayOptions = 301;
inline constexpr int kExtraNames = 302;
// Display > Class Picture: the letter grades and averages drawn in a window of their own.
inline constexpr int kClassPicture = 24510;
// Edit > Undo and Redo: their labels name the step ("&Undo Delete HW 2").
inline constexpr int kUndo = 3001;
inline constexpr int kRedo = 3002;
inline constexpr int kGridNew = 120;
inline constexpr int kGridOpen = 125;
inline constexpr int kGridDelete = 126;
// The assignment grid window's menu (resource 2).
inline constexpr int kGridWindowNew = 701;
inline constexpr int kGridWindowOpen = 702;
inline constexpr int kGridWindowSave = 703;
inline constexpr int kGridWindowSaveAs = 704;
inline constexpr int kGridColumns = 705;
inline constexpr int kGridClose = 710;
inline constexpr int kGridDeleteGrid = 712;
inline constexpr int kGridPrint = 713;
inline constexpr int kCascade = 24361;
inline constexpr int kTile = 24363;
inline constexpr int kCloseAll = 24365;
inline constexpr int kHelp = 901;
inline constexpr int kHelpIndex = 904;
inline constexpr int kUsingHelp = 902;
// Commands of the desktop's habits: closing the active class window (by key
// only), the recent classes of the File menu and the class windows of the
// Window menu (the first of each list; the others follow it).
inline constexpr int kCloseClass = 24400;
inline constexpr int kRecentClass = 24410;
inline constexpr int kWindowClass = 24420;
// Display > High Contrast Colours: the teacher's setting, with or without a class.
inline constexpr int kHighContrast = 24530;
// The grades pane as a table: Edit > Find Student (Ctrl+F), Display > Sort by
// This Column (Ctrl+Shift+S) and Display > Roster Order.
inline constexpr int kFindStudent = 24500;
inline constexpr int kSortByColumn = 24501;
inline constexpr int kRosterOrder = 24502;
// Grades in and out of the class window: Edit > New Grade Column, Import
// Grades, Copy (Ctrl+C), Copy Table (Ctrl+Shift+C) and Paste (Ctrl+V); and
// File > Term Grades, the grading periods of a term combined.
inline constexpr int kNewGradeColumn = 24540;
inline constexpr int kImportGrades = 24541;
inline constexpr int kCopy = 24542;
inline constexpr int kCopyTable = 24543;
inline constexpr int kPaste = 24544;
inline constexpr int kTermGrades = 24545;
}  // namespace cmd

// How many recent classes the File menu lists, and class windows the Window menu.
inline constexpr int kRecentClassCount = 8;
inline constexpr int kWindowListCount = 9;

// The help topic of the Edit Student dialog.
inline constexpr int kHelpTopicEditStudent = 669;
// The topics F1 opens (the help file's topic list names their pages).
inline constexpr int kHelpTopicContents = 700;
inline constexpr int kHelpTopicClassWindow = 701;
inline constexpr int kHelpTopicFiles = 702;
inline constexpr int kHelpTopicDisplay = 703;
inline constexpr int kHelpTopicGrades = 704;
inline constexpr int kHelpTopicPrinting = 705;
inline constexpr int kHelpTopicSeating = 706;
inline constexpr int kHelpTopicGrids = 707;
inline constexpr int kHelpTopicVersions = 708;
inline constexpr int kHelpTopicUndo = 709;
inline constexpr int kHelpTopicTable = 710;
// The program's help file and the help viewer's own.
inline constexpr const char* kHelpFile = "quorle.hlp";
inline constexpr const char* kUsingHelpFile = "WINHELP.HLP";

// Menu items carry their label and their status hint (the string resource of
// the same id).
using MenuItem = platform::MenuItem;
using Accelerator = platform::Accelerator;

// The top-level popups of a menu resource, left to right; empty for an unknown id.
const std::vector<MenuItem>& MenuResource(int id);

// A menu resource as the platform shows it, each command with its status hint
// (the same as MenuResource, whose items are the platform's).
platform::Menu PlatformMenu(int id);

// An accelerator table: keys in the portable form ("F3", "Alt+X").
const std::vector<Accelerator>& AcceleratorTable(int id);

// The keys every desktop program has (Ctrl+S, Ctrl+O, Ctrl+W, Ctrl+F4, Ctrl+P),
// given to the frame beside accelerator table 100.
const std::vector<Accelerator>& DesktopAccelerators();

// The commands of menu 100 that work on the active class window (the
// Assignment Grid commands among them) or on the open classes: greyed, with
// their keys and control-bar buttons, while no class is open.
const std::vector<int>& ClassCommands();

// The status hint of a command (string resource of the same id); empty when none.
std::string HintString(int id);

// One control-bar entry: a button (bitmap id and command) or a separator.
struct ControlBarItem {
    int bitmap = 0;          // 0: a separator
    int command = 0;
    int separatorWidth = 0;  // separators
};

const std::vector<ControlBarItem>& ControlBar();

// The label of a command in menu 100 ("&Open...F3"), empty when it has none.
std::string CommandLabel(int id);

// The tip of a control-bar button: the command's name with its key apart,
// "Open (F3)".
std::string ControlBarTip(int command);

// What the main frame is given: menu 100, accelerator table 100 and the
// control bar with its pictures, tips and hints.
platform::FrameLayout MainFrameLayout();

// What F1 opens for the frame, a class window and each dialog.
const platform::HelpTopics& ContextHelpTopics();

// The help files the help commands name, with their pages.
const std::vector<platform::HelpBook>& HelpBooks();

}  // namespace quorle::resources
