#include "classwin/EditStudentDialog.h"

#include "classwin/ClassWindow.h"
#include "classwin/PaneEditing.h"
#include "classwin/Panes.h"
#include "classwin/RenameGradeDialog.h"
#include "classwin/StudentDialog.h"
#include "classwin/StudentTransfer.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"
#include "seating/ClassChart.h"

namespace quorle {

namespace res = resources;
using platform::Answer;
using platform::Buttons;
using platform::DialogHost;
using platform::Icon;

namespace {

// A copy: the field it comes from is refilled with it.
std::string TrimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

// A name of spaces alone is no name, as Add Students holds.
bool Blank(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }

std::string Limited(DialogHost& host, int id, int limit) {
    std::string text = host.Text(id);
    if (text.size() > static_cast<std::size_t>(limit)) text.resize(static_cast<std::size_t>(limit));
    return text;
}

}  // namespace

std::vector<TStudent> TrimmedRoster(const std::vector<TStudent>& roster) {
    std::vector<TStudent> working = roster;
    for (TStudent& row : working) {
        row.lastName = TrimRight(row.lastName.View());
        row.firstName = TrimRight(row.firstName.View());
        row.id = TrimRight(row.id.View());
    }
    return working;
}

TEditStudentDialog::TEditStudentDialog(TDecoChild& child, std::vector<TStudent>& working, SeatingChart* chart)
    : platform::Dialog(res::EditStudentDialogResource()),
      child_(child),
      working_(working),
      chart_(chart),
      grade_(res::kIdEditGrade, res::kIdEditOmit),
      omit_(grade_) {}

void TEditStudentDialog::SetupWindow(DialogHost& host) {
    lastNames_.clear();
    for (const TStudent& row : working_) lastNames_.push_back(row.lastName.Str());
    host.SetListItems(res::kIdStudentList, lastNames_);
    const int first = working_.size() > 1 ? 1 : (working_.empty() ? -1 : 0);
    host.SetSelection(res::kIdStudentList, first);
    ShowRow(host, first);
}

void TEditStudentDialog::ShowRow(DialogHost& host, int row) {
    row_ = row >= 0 && static_cast<std::size_t>(row) < working_.size() ? row : -1;
    const TStudent* student = row_ >= 0 ? &working_[static_cast<std::size_t>(row_)] : nullptr;
    host.SetText(res::kIdStudentFirst, student ? student->firstName.View() : "");
    host.SetText(res::kIdStudentId, student ? student->id.View() : "");
    host.SetText(res::kIdEditLast, student ? student->lastName.View() : "");
    host.SetText(res::kIdEditFirst, student ? student->firstName.View() : "");
    host.SetText(res::kIdEditId, student ? student->id.View() : "");
    // The Possible Points row keeps its names and ID; its grades stay editable.
    for (int id : {res::kIdEditLast, res::kIdEditFirst, res::kIdEditId}) host.Enable(id, row_ > 0);
    items_ = student ? FlatItems(*student) : std::vector<std::pair<int, int>>{};
    host.SetListItems(res::kIdStudentItem, student ? FlatTitles(*student) : std::vector<std::string>{});
    host.SetSelection(res::kIdStudentItem, items_.empty() ? -1 : 0);
    ShowItem(host);
}

void TEditStudentDialog::ShowItem(DialogHost& host) {
    const int k = host.Selection(res::kIdStudentItem);
    if (row_ < 0 || k < 0 || static_cast<std::size_t>(k) >= items_.size()) {
        grade_.ShowNothing(host);
        return;
    }
    const auto [c, i] = items_[static_cast<std::size_t>(k)];
    grade_.Show(host, &working_[static_cast<std::size_t>(row_)].scores[c][static_cast<std::size_t>(i)].value);
}

void TEditStudentDialog::SelectionChanged(DialogHost& host, int id) {
    if (id == res::kIdStudentList) ShowRow(host, host.Selection(res::kIdStudentList));
    if (id == res::kIdStudentItem) ShowItem(host);
}

void TEditStudentDialog::KeyUp(DialogHost& host, int id) {
    if (id == res::kIdEditGrade) {
        grade_.KeyReleased(host);
        return;
    }
    if (row_ <= 0) return;
    TStudent& row = working_[static_cast<std::size_t>(row_)];
    const std::string oldLast = row.lastName.Str();
    const std::string oldFirst = row.firstName.Str();
    if (id == res::kIdEditLast) {
        const std::string text = Limited(host, id, res::kNameLimit);
        lastNames_[static_cast<std::size_t>(row_)] = text;
        host.SetListItems(res::kIdStudentList, lastNames_);
        host.SetSelection(res::kIdStudentList, row_);
        if (chart_) RenameInCopy(*chart_, oldLast, oldFirst, text, oldFirst);
        row.lastName = text;
    } else if (id == res::kIdEditFirst) {
        const std::string text = Limited(host, id, res::kNameLimit);
        host.SetText(res::kIdStudentFirst, text);
        if (chart_) RenameInCopy(*chart_, oldLast, oldFirst, oldLast, text);
        row.firstName = text;
    } else if (id == res::kIdEditId) {
        const std::string text = Limited(host, id, res::kIdLimit);
        host.SetText(res::kIdStudentId, text);
        row.id = text;
    }
}

void TEditStudentDialog::Clicked(DialogHost& host, int id) {
    if (id == res::kIdEditOmit) omit_.Clicked(host);
    if (id == res::kIdEditHelp)
        child_.GetUi().Help(platform::HelpCommand::Topic, res::kHelpFile, res::kHelpTopicEditStudent);
    if (id == res::kIdDeleteStudent) DeleteStudent(host);
}

void TEditStudentDialog::TakeOver() {
    ClassRecord& record = child_.Record();
    // The Possible Points row's ID stays the four spaces class files carry.
    const auto possibleId = record.roster.empty() ? FixedText<5>() : record.roster.front().id;
    record.roster = working_;
    if (!record.roster.empty()) record.roster.front().id = possibleId;
}

bool TEditStudentDialog::RefuseMissingName(DialogHost& host) {
    for (std::size_t r = 1; r < working_.size(); ++r) {
        const bool first = Blank(working_[r].firstName.View());
        if (!first && !Blank(working_[r].lastName.View())) continue;
        child_.GetUi().MessageBox("Warning", first ? kFirstNameMissing : kLastNameMissing, Buttons::Ok,
                                  Icon::Exclamation);
        if (row_ != static_cast<int>(r)) {
            host.SetSelection(res::kIdStudentList, static_cast<int>(r));
            ShowRow(host, static_cast<int>(r));
        }
        host.SetFocus(first ? res::kIdEditFirst : res::kIdEditLast);
        return true;
    }
    return false;
}

bool TEditStudentDialog::CanClose(DialogHost& host) {
    if (RefuseMissingName(host)) return false;
    if (chart_ && !StoreChartCopy(child_.GetUi(), child_.Record().fileName, *chart_)) return false;
    TakeOver();
    return true;
}

void TEditStudentDialog::DeleteStudent(DialogHost& host) {
    platform::Ui& ui = child_.GetUi();
    const int r = row_;
    if (r < 0) return;
    if (r == 0) {
        ui.MessageBox("Warning", "You cannot drop or transfer Possible Points.", Buttons::Ok, Icon::Exclamation);
        return;
    }
    // The class is written at once with every row of the working roster.
    if (RefuseMissingName(host)) return;
    const TStudent student = working_[static_cast<std::size_t>(r)];
    const Answer answer = ui.MessageBox("Transfer?", TransferQuestion(student), Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes && !TransferOut(child_, student)) return;
    // The renames made so far reach the class with the roster: the chart follows.
    if (chart_) StoreChartCopy(ui, child_.Record().fileName, *chart_);
    child_.Chart().RemoveFromChart(student.lastName.View(), student.firstName.View());
    working_.erase(working_.begin() + r);
    child_.Names().RemoveSelectionBox(r);
    TakeOver();
    child_.WritePaneChange();
    child_.Repaint();
    host.EndDialog(false);
}

void EditStudents(TDecoChild& child) {
    ClassRecord& record = child.Record();
    SeatingChart chart;
    ChartCopyStatus status = ChartCopyStatus::NoChart;
    if (!record.fileName.empty()) status = LoadChartCopy(child.GetUi(), record.fileName, chart);
    // Nothing half read may be taken over into the class or its chart.
    if (status == ChartCopyStatus::Failed) return;
    std::vector<TStudent> working = TrimmedRoster(record.roster);
    TEditStudentDialog dialog(child, working, status == ChartCopyStatus::Loaded ? &chart : nullptr);
    if (!child.GetUi().RunModal(dialog)) return;
    record.modified = true;
    child.WriteNamedClass();
    child.Repaint();
}

}  // namespace quorle
