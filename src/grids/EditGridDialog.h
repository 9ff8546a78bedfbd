#pragma once
// Change Grid Properties: the teacher names, adds and removes the columns of
// an assignment grid while the grid window shows every change as it is typed.
#include <functional>
#include <string>

#include "grids/GridFile.h"
#include "platform/Dialog.h"
#include "platform/Ui.h"

namespace quorle {

inline constexpr const char* kGridSpaceMessage = "You are limited to 50 total spaces";

// Works on the grid's own column list, so the grid window can draw each change
// at once; redraw is called whenever the window should paint again. Taking a
// copy first and putting it back on Cancel is the caller's part
// (RunColumnEditing does both).
class TEditGridDialog : public platform::Dialog {
public:
    TEditGridDialog(platform::Ui& ui, TColumnList& columns, std::function<void()> redraw);

    void SetupWindow(platform::DialogHost& host) override;
    void Clicked(platform::DialogHost& host, int id) override;
    void KeyUp(platform::DialogHost& host, int id) override;
    void SelectionChanged(platform::DialogHost& host, int id) override;

private:
    // Shows the list with the column at index selected (-1: none).
    void FillList(platform::DialogHost& host, int index);
    void Select(platform::DialogHost& host, int index);
    // Puts the headings into the list again, keeping the selection.
    void ListHeadings(platform::DialogHost& host) const;
    void TitleTyped(platform::DialogHost& host);
    void InsertColumn(platform::DialogHost& host);
    void DeleteColumn(platform::DialogHost& host);
    void Redraw() const;

    platform::Ui& ui_;
    TColumnList& columns_;
    std::function<void()> redraw_;
    int selected_ = -1;  // index of the selected column, -1 for none
    // The title last refused: moving the cursor in it (a key that changes
    // nothing) does not bring the warning back.
    std::string refused_;
};

// The column editing of the grid window: runs the dialog on the columns;
// Cancel puts them back exactly as they were. redraw is called at the end
// either way. True on OK.
bool RunColumnEditing(platform::Ui& ui, TColumnList& columns, const std::function<void()>& redraw);

}  // namespace quorle
