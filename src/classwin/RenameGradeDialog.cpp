#include "classwin/RenameGradeDialog.h"

#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "resources/EditDialogs.h"

namespace quorle {

namespace res = resources;
using platform::DialogHost;

std::vector<std::pair<int, int>> FlatItems(const TStudent& row) {
    std::vector<std::pair<int, int>> items;
    for (int c = 0; c < kCategoryCount; ++c)
        for (std::size_t i = 0; i < row.scores[c].size(); ++i) items.emplace_back(c, static_cast<int>(i));
    return items;
}

std::vector<std::string> FlatTitles(const TStudent& row) {
    std::vector<std::string> titles;
    for (const auto& [c, i] : FlatItems(row)) titles.push_back(row.scores[c][static_cast<std::size_t>(i)].title.Str());
    return titles;
}

TRenameGradeDialog::TRenameGradeDialog(TDecoChild& child, std::vector<TStudent>& working,
                                       std::optional<std::pair<int, int>> start)
    : platform::Dialog(res::RenameGradeDialogResource()), child_(child), working_(working), start_(start) {}

void TRenameGradeDialog::SetupWindow(DialogHost& host) {
    items_ = working_.empty() ? std::vector<std::pair<int, int>>{} : FlatItems(working_.front());
    host.SetListItems(res::kIdRenameItem, working_.empty() ? std::vector<std::string>{} : FlatTitles(working_.front()));
    int first = items_.empty() ? -1 : 0;
    for (std::size_t k = 0; start_ && k < items_.size(); ++k)
        if (items_[k] == *start_) first = static_cast<int>(k);
    host.SetSelection(res::kIdRenameItem, first);
    ShowItem(host);
}

void TRenameGradeDialog::ShowItem(DialogHost& host) {
    const int k = host.Selection(res::kIdRenameItem);
    const bool chosen = k >= 0 && static_cast<std::size_t>(k) < items_.size();
    if (chosen) {
        const auto [c, i] = items_[static_cast<std::size_t>(k)];
        host.SetText(res::kIdRenameTitle, working_.front().scores[c][static_cast<std::size_t>(i)].title.View());
    } else {
        host.SetText(res::kIdRenameTitle, "");
    }
    host.Enable(res::kIdRenameTitle, chosen);
    host.Enable(res::kIdDeleteItem, chosen);
}

void TRenameGradeDialog::SelectionChanged(DialogHost& host, int id) {
    if (id == res::kIdRenameItem) ShowItem(host);
}

void TRenameGradeDialog::KeyUp(DialogHost& host, int id) {
    if (id != res::kIdRenameTitle) return;
    const int k = host.Selection(res::kIdRenameItem);
    if (k < 0 || static_cast<std::size_t>(k) >= items_.size()) return;
    std::string title = host.Text(res::kIdRenameTitle);
    if (title.size() > static_cast<std::size_t>(res::kTitleLimit)) title.resize(res::kTitleLimit);
    const auto [c, i] = items_[static_cast<std::size_t>(k)];
    for (TStudent& row : working_)
        if (static_cast<std::size_t>(i) < row.scores[c].size()) row.scores[c][static_cast<std::size_t>(i)].title = title;
    host.SetListItems(res::kIdRenameItem, FlatTitles(working_.front()));
    host.SetSelection(res::kIdRenameItem, k);
}

void TRenameGradeDialog::Clicked(DialogHost& host, int id) {
    if (id == res::kIdDeleteItem) DeleteItem(host);
}

void TRenameGradeDialog::DeleteItem(DialogHost& host) {
    const int k = host.Selection(res::kIdRenameItem);
    if (k < 0 || static_cast<std::size_t>(k) >= items_.size()) return;
    const auto [c, i] = items_[static_cast<std::size_t>(k)];
    const std::string title = working_.front().scores[c][static_cast<std::size_t>(i)].title.Str();
    const auto answer = child_.GetUi().MessageBox("Delete Grade ?", "Are you sure you want to delete " + title + "?",
                                                  platform::Buttons::YesNo, platform::Icon::Question);
    if (answer == platform::Answer::Yes) {
        const std::optional<int> column = child_.Grades().ColumnOf(c, i);
        RemoveGradeColumn(working_, c, i);
        child_.Record().roster = working_;
        if (column) child_.Grades().ColumnRemoved(*column);
        child_.WritePaneChange();
        child_.Repaint();
    }
    host.EndDialog(false);
}

void EditGradeTitles(TDecoChild& child) {
    ClassRecord& record = child.Record();
    std::vector<TStudent> working = record.roster;
    std::optional<std::pair<int, int>> start;
    if (const auto column = child.Grades().CursorColumn()) start = std::pair{column->category, column->entry};
    TRenameGradeDialog dialog(child, working, start);
    if (!child.GetUi().RunModal(dialog)) return;
    record.roster = std::move(working);
    record.modified = true;
    child.WriteNamedClass();
    child.Repaint();
}

}  // namespace quorle
