#pragma once
// Edit > Change/Delete Grade Title: any grade of the class retitled, or
// deleted for every student, through a working copy of the roster.
#include <optional>
#include <utility>
#include <vector>

#include "platform/Dialog.h"
#include "record/ClassRecord.h"

namespace quorle {

class TDecoChild;

// A row's grades as one list: the categories in their order, each category's
// entries in theirs. Item k is (category, entry number).
std::vector<std::pair<int, int>> FlatItems(const TStudent& row);
// The titles of a row's grades in that order.
std::vector<std::string> FlatTitles(const TStudent& row);

class TRenameGradeDialog : public platform::Dialog {
public:
    // working: the copy of the class's roster the dialog edits. "&Delete Item"
    // takes it over into the child's class at once. It starts on the grade
    // (category, entry) `start` (the cell cursor's), or on the first.
    TRenameGradeDialog(TDecoChild& child, std::vector<TStudent>& working,
                       std::optional<std::pair<int, int>> start = std::nullopt);
    void SetupWindow(platform::DialogHost& host) override;
    void SelectionChanged(platform::DialogHost& host, int id) override;
    void KeyUp(platform::DialogHost& host, int id) override;
    void Clicked(platform::DialogHost& host, int id) override;

private:
    void ShowItem(platform::DialogHost& host);
    void DeleteItem(platform::DialogHost& host);

    TDecoChild& child_;
    std::vector<TStudent>& working_;
    std::vector<std::pair<int, int>> items_;
    std::optional<std::pair<int, int>> start_;
};

// The command: OK takes the working roster over, writes the class and
// repaints; Cancel leaves the class as it was.
void EditGradeTitles(TDecoChild& child);

}  // namespace quorle
