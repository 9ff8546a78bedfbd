#pragma once
// The assignment grid window: the grid (its columns, file name and flags),
// shown for the class whose window opened it, with the grid window's own
// commands (New, Open, Save, Save As, Delete Grid, Print Grid, Close Grid,
// Columns).
#include <functional>
#include <string>
#include <vector>

#include "grids/GridAccessibility.h"
#include "grids/GridDrawing.h"
#include "grids/GridFile.h"
#include "platform/Frame.h"
#include "platform/TopWindow.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

inline constexpr const char* kGridWindowCaption = "Assignment Grid";
inline constexpr const char* kUntitledGrid = "Untitled Assignment Grid";
inline constexpr const char* kGridCannotDelete = "File cannot be deleted!";

class TAssignGridWindow : public platform::TopWindow {
public:
    // The class's record is read, never changed; it must outlive the window
    // (the class window owns both). displayHeight sizes the screen font.
    TAssignGridWindow(platform::Ui& ui, const ClassRecord& record, int displayHeight);

    // Called when the window hides and the class window should get the focus.
    void SetFocusClass(std::function<void()> focusClass) { focusClass_ = std::move(focusClass); }
    // The parent the print job disables while it runs (may stay null).
    void SetPrintParent(platform::ChildHost* parent) { printParent_ = parent; }

    const TColumnList& Columns() const { return columns_; }
    TColumnList& Columns() { return columns_; }
    const std::string& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }
    bool Untitled() const { return untitled_; }
    bool Visible() const { return IsVisible(); }

    // The caption, menu 2 and placement its platform window is made with.
    static platform::TopWindowAttributes Attributes();

    // The grid window's menu commands (701 to 713).
    void Command(int id) override;
    // The close box: Close Grid.
    void CloseBox() override;

    // Assignment Grid > New of the main menu, on a fresh window: shows it and
    // runs the column editing. Cancel hides it again.
    void StartNew();
    // Assignment Grid > Open of the main menu, on a fresh hidden window: the
    // window shows only when a file was read.
    bool StartOpen();

    // The save-changes question for a grid that changed: true when the grid
    // may be dropped (unchanged, saved, or the teacher said No).
    bool ConfirmDiscard();

    // The commands, each as its menu entry runs it.
    void NewGrid();
    bool OpenGrid();
    bool Save();
    bool SaveAs();
    void CloseGrid();
    void DeleteGrid();
    void EditColumns();
    void Print();

    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    bool KeyDown(platform::Key key) override;

private:
    void Reveal(bool visible);
    // Up and Down: the line before or after the one the keyboard is on,
    // brought into view and announced.
    void WalkLines(int step);
    void SetFileName(const std::string& name);
    void SetFlags(bool modified, bool untitled);
    void Redraw();
    void MarkNew();

    platform::Ui& ui_;
    const ClassRecord& record_;
    int displayHeight_;
    TColumnList columns_;
    std::string fileName_ = kUntitledGrid;
    bool modified_ = false;
    bool untitled_ = false;
    std::vector<TStart> groups_;
    std::function<void()> focusClass_;
    platform::ChildHost* printParent_ = nullptr;
    GridAccessibility access_{columns_, record_, scroller_};  // the grid read out, line by line
    std::vector<std::string> spoken_;              // what it read at the last paint
};

// Assignment Grid > Delete of the main menu: picks a grid file and deletes it
// after asking.
void DeleteGridFile(platform::Ui& ui);

}  // namespace quorle
