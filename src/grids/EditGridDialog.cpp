#include "grids/EditGridDialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "resources/GridDialogs.h"

namespace quorle {

namespace r = resources;

TEditGridDialog::TEditGridDialog(platform::Ui& ui, TColumnList& columns, std::function<void()> redraw)
    : platform::Dialog(r::EditGridDialogResource()), ui_(ui), columns_(columns), redraw_(std::move(redraw)) {}

void TEditGridDialog::Redraw() const {
    if (redraw_) redraw_();
}

void TEditGridDialog::SetupWindow(platform::DialogHost& host) {
    const bool any = !columns_.empty();
    FillList(host, any ? 0 : -1);
    host.Enable(r::kIdDeleteColumn, any);
    host.SetFocus(any ? r::kIdColumnTitle : r::kIdInsertColumn);
}

void TEditGridDialog::FillList(platform::DialogHost& host, int index) {
    ListHeadings(host);
    Select(host, index);
}

void TEditGridDialog::ListHeadings(platform::DialogHost& host) const {
    std::vector<std::string> headings;
    headings.reserve(columns_.size());
    for (const TColumn& column : columns_) headings.push_back(column.heading.Str());
    host.SetListItems(r::kIdColumnList, headings);
    host.SetSelection(r::kIdColumnList, selected_);
}

void TEditGridDialog::Select(platform::DialogHost& host, int index) {
    if (index < 0 || index >= static_cast<int>(columns_.size())) index = -1;
    selected_ = index;
    refused_.clear();
    host.SetSelection(r::kIdColumnList, index);
    if (index < 0) {
        host.SetText(r::kIdColumnTitle, "");
        host.Enable(r::kIdColumnTitle, false);
        host.SetText(r::kIdColumnNumber, "");
    } else {
        host.SetText(r::kIdColumnTitle, columns_[static_cast<std::size_t>(index)].heading.View());
        host.Enable(r::kIdColumnTitle, true);
        host.SetText(r::kIdColumnNumber, std::to_string(index + 1));
    }
}

void TEditGridDialog::SelectionChanged(platform::DialogHost& host, int id) {
    if (id != r::kIdColumnList) return;
    Select(host, host.Selection(r::kIdColumnList));
    Redraw();
}

void TEditGridDialog::KeyUp(platform::DialogHost& host, int id) {
    if (id == r::kIdColumnTitle) TitleTyped(host);
}

void TEditGridDialog::TitleTyped(platform::DialogHost& host) {
    if (selected_ < 0) return;
    std::string text = host.Text(r::kIdColumnTitle);
    if (text.size() > static_cast<std::size_t>(r::kColumnTitleLimit)) text.resize(r::kColumnTitleLimit);
    TColumn& column = columns_[static_cast<std::size_t>(selected_)];
    // The column would take as many cells as its new heading has characters
    // (a pasted text counts whole, not as one more character).
    const long long total = TotalSpaces(columns_) - column.spaces + static_cast<long long>(text.size());
    if (total > kGridSpaceLimit) {
        if (text == refused_) return;
        refused_ = text;
        ui_.MessageBox("Warning", kGridSpaceMessage, platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    refused_.clear();
    if (column.heading.View() == text && column.spaces == static_cast<std::int32_t>(text.size())) return;
    column.heading = text;
    column.spaces = static_cast<std::int32_t>(text.size());
    // The list shows the new heading; the field, where the teacher is typing, is left alone.
    ListHeadings(host);
    Redraw();
}

void TEditGridDialog::Clicked(platform::DialogHost& host, int id) {
    if (id == r::kIdInsertColumn) InsertColumn(host);
    else if (id == r::kIdDeleteColumn) DeleteColumn(host);
}

void TEditGridDialog::InsertColumn(platform::DialogHost& host) {
    // Right after the selected column, or first when none is selected.
    const int at = selected_ + 1;
    columns_.insert(columns_.begin() + at, TColumn{});
    FillList(host, at);
    host.Enable(r::kIdDeleteColumn, true);
    host.SetFocus(r::kIdColumnTitle);
    Redraw();
}

void TEditGridDialog::DeleteColumn(platform::DialogHost& host) {
    if (selected_ < 0) return;
    const int at = selected_;
    columns_.erase(columns_.begin() + at);
    if (columns_.empty()) {
        FillList(host, -1);
        host.Enable(r::kIdDeleteColumn, false);
        host.SetFocus(r::kIdInsertColumn);
    } else {
        FillList(host, std::min(at, static_cast<int>(columns_.size()) - 1));
        host.SetFocus(r::kIdColumnTitle);
    }
    Redraw();
}

bool RunColumnEditing(platform::Ui& ui, TColumnList& columns, const std::function<void()>& redraw) {
    const TColumnList kept = columns;
    TEditGridDialog dialog(ui, columns, redraw);
    const bool ok = ui.RunModal(dialog);
    if (!ok) columns = kept;
    if (redraw) redraw();
    return ok;
}

}  // namespace quorle
